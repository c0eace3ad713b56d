#include "EventFiles.h"

#include "common/LineList.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace draw {

std::filesystem::path exportFilePath() {
#ifdef _WIN32
    return std::filesystem::path(L"C:\\lzreport.txt");
#else
    // The program reads no environment variable, so the home folder comes from the user database.
    const passwd* user = getpwuid(getuid());
    const std::filesystem::path home = user && user->pw_dir ? user->pw_dir : "/tmp";
    return home / "lzreport.txt";
#endif
}

void openNewEvent(DrawQueue& queue, const std::filesystem::path& poolFile) {
    queue.build(common::readLineListFile(poolFile));
    queue.setEventTotal(queue.count());
}

void resumeEvent(DrawQueue& queue, const std::filesystem::path& remainderFile) {
    queue.setEntries(common::readLineListFile(remainderFile));
    queue.setEventTotal(queue.count());
}

void writeQueueFile(const DrawQueue& queue, const std::filesystem::path& path) {
    common::writeLineListFile(path, queue.entries());
}

} // namespace draw
