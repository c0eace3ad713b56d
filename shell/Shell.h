#pragma once

// The two uses of the desktop shell: a shortcut to the program on the user's desktop, made each
// time the main window is shown, and the maker's web page, opened when it is closed. Both are
// silent: whatever goes wrong in them, the program carries on.
namespace shell {

inline constexpr const char* makerWebAddress = "http://www.lanzhou.example/";

class Shell {
public:
    virtual ~Shell() = default;
    virtual void makeDesktopShortcut() = 0;
    virtual void openMakerWebPage() = 0;
};

} // namespace shell
