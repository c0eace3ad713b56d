// Writes a three-entry queue to FOLDER/temp.db once, as the reveal does: the program the flush
// order test watches with strace.
#include "draw/EntropySeedSource.h"
#include "draw/EventFiles.h"

#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    draw::EntropySeedSource seeds;
    draw::DrawQueue queue(seeds);
    queue.setEntries({"1", "2", "3"});
    draw::writeQueueFile(queue, std::filesystem::path(argv[1]) / "temp.db");
    return 0;
}
