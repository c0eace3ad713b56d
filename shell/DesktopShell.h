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

} // namespace shell
