#pragma once

#include "Shell.h"

#include <filesystem>
#include <string>

namespace shell {

// The system's shell: on Windows a shell link "岚舟签号通.lnk" in the user's desktop folder and the
// web page through ShellExecuteA; elsewhere a freedesktop launcher "岚舟签号通.desktop" in the
// desktop folder of the XDG user dirs (else ~/Desktop) and the web page through xdg-open.
class DesktopShell final : public Shell {
public:
    DesktopShell();
    // For tests: another home folder (on Windows the desktop folder itself) and program file.
    DesktopShell(std::filesystem::path home, std::filesystem::path program);

    void makeDesktopShortcut() override;
    void openMakerWebPage() override;

private:
    std::filesystem::path home_;
    std::filesystem::path program_;
};

#ifndef _WIN32
// The launcher's text for a program file: Exec quoted as the desktop entry format asks, Path the
// program's folder.
std::string desktopEntryText(const std::filesystem::path& program);

// The desktop folder named in home/.config/user-dirs.dirs, else home/Desktop.
std::filesystem::path desktopFolder(const std::filesystem::path& home);
#endif

} // namespace shell
