#pragma once

#include <string>
#include <vector>

// The queues the rewriting child writes over and over, shorter and longer ones in turn.
inline std::vector<std::vector<std::string>> rewrittenQueues() {
    std::vector<std::vector<std::string>> queues;
    for (int length = 0; length < 6; ++length) {
        std::vector<std::string> queue;
        for (int i = 0; i < 200 * length; ++i) {
            queue.push_back(std::to_string(length * 1000 + i));
        }
        queues.push_back(std::move(queue));
    }
    return queues;
}
