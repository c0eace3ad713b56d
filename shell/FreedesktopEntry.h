#pragma once

#include <filesystem>
#include <string>

// The pieces of the freedesktop shell that its tests check on their own.
namespace shell {

// The launcher's text for a program file: Exec quoted as the desktop entry format asks, Path the
// program's folder.
std::string desktopEntryText(const std::filesystem::path& program);

// The desktop folder named in home/.config/user-dirs.dirs, else home/Desktop.
std::filesystem::path desktopFolder(const std::filesystem::path& home);

} // namespace shell
