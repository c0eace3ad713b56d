#pragma once

#include "DrawQueue.h"

#include <filesystem>
#include <string>
#include <vector>

// The files that carry an event on disk: the pool file every new event starts from, the
// remainder file rewritten after every draw, and the export file written on demand.
namespace draw {

inline const std::filesystem::path poolFilePath{"mydb/db.cd"};
inline const std::filesystem::path remainderFilePath{"skin/temp.db"};

// C:\lzreport.txt on Windows; lzreport.txt in the user's home folder elsewhere.
std::filesystem::path exportFilePath();

// Where the windows find the program's files: the workspace folder that holds mydb and skin
// (empty for the current folder, which the program is started in) and the export file.
struct ProgramPaths {
    std::filesystem::path workspace;
    std::filesystem::path exportFile = exportFilePath();

    // A file given relative to the workspace.
    std::filesystem::path at(const std::filesystem::path& relative) const {
        return workspace / relative;
    }
};

// Reads the pool file, builds the queue from its lines and sets the event total to the queue's
// count. Fails with EFOpenError for a missing or unreadable file, EConvertError for a pinned line
// whose position is not an integer. Writes nothing.
void openNewEvent(DrawQueue& queue, const std::filesystem::path& poolFile = poolFilePath);

// The queue becomes the remainder file's lines exactly; the event total its count. Fails with
// EFOpenError for a missing or unreadable file.
void resumeEvent(DrawQueue& queue, const std::filesystem::path& remainderFile = remainderFilePath);

// Writes the queue, head first, to the remainder file after a draw or to the export file,
// replacing the file atomically. Fails with EFCreateError; the caller decides whether anyone
// hears of it.
void writeQueueFile(const DrawQueue& queue, const std::filesystem::path& path);

} // namespace draw
