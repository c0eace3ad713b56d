// Rewrites FILE with the rewritten queues in turn, beginning with the second, until it is killed:
// the writer the replace-file test kills at random moments.
#include "RewrittenQueues.h"
#include "common/LineList.h"

#include <cstddef>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const auto queues = rewrittenQueues();
    const std::filesystem::path file = argv[1];
    for (std::size_t i = 1;; ++i) {
        common::writeLineListFile(file, queues[i % queues.size()]);
    }
}
