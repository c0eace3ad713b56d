#include "shell/DesktopShell.h"
#include "shell/FreedesktopEntry.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::readBytes;
using testsupport::writeBytes;

TEST(DesktopEntry, NamesTheProgramAndItsFolderForAChinesePath) {
    EXPECT_EQ(shell::desktopEntryText("/opt/岚舟 软件/qianhaotong"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=岚舟签号通\n"
              "Exec=\"/opt/岚舟 软件/qianhaotong\"\n"
              "Path=/opt/岚舟 软件/\n"
              "Terminal=false\n");
}

TEST(DesktopEntry, AProgramInTheRootFolderWorksInTheRootFolder) {
    const std::string text = shell::desktopEntryText("/qianhaotong");
    EXPECT_NE(text.find("Exec=\"/qianhaotong\"\n"), std::string::npos);
    EXPECT_NE(text.find("Path=/\n"), std::string::npos);
}

TEST(DesktopEntry, QuotesWhatTheExecLineWouldOtherwiseExpand) {
    const std::string text = shell::desktopEntryText("/a$b/100%\\c\"d`e/p");
    EXPECT_NE(text.find("Exec=\"/a\\\\$b/100%%\\\\\\\\c\\\\\"d\\\\`e/p\"\n"), std::string::npos)
        << text;
}

TEST(DesktopFolder, ComesFromTheUserDirsElseDesktop) {
    testsupport::TempFolder home;
    EXPECT_EQ(shell::desktopFolder(home.path()), home / "Desktop");
    writeBytes(home / ".config/user-dirs.dirs",
               "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
               "XDG_MUSIC_DIR=\"$HOME/Music\"\n");
    EXPECT_EQ(shell::desktopFolder(home.path()), home / "桌面");
    writeBytes(home / ".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"/srv/desk\"\n");
    EXPECT_EQ(shell::desktopFolder(home.path()), std::filesystem::path("/srv/desk"));
}

TEST(DesktopShortcut, IsWrittenExecutableAndReplacedOnEveryStart) {
    testsupport::TempFolder home;
    std::filesystem::create_directories(home / "Desktop");
    const auto launcher = home / "Desktop" / "岚舟签号通.desktop";
    writeBytes(launcher, "[Desktop Entry]\nExec=/somewhere/else\n");
    shell::DesktopShell shell(home.path(), "/opt/岚舟/qianhaotong");
    shell.makeDesktopShortcut();
    EXPECT_EQ(readBytes(launcher), shell::desktopEntryText("/opt/岚舟/qianhaotong"));
    EXPECT_NE(std::filesystem::status(launcher).permissions() & std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);
    shell.makeDesktopShortcut();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home / "Desktop"), {}), 1);
}

TEST(DesktopShortcut, FailsSilently) {
    testsupport::TempFolder home;
    shell::DesktopShell noDesktop(home.path(), "/opt/p");
    EXPECT_NO_THROW(noDesktop.makeDesktopShortcut());
    EXPECT_FALSE(std::filesystem::exists(home / "Desktop"));
    // A desktop that is a file, not a folder.
    writeBytes(home / "Desktop", "not a folder");
    EXPECT_NO_THROW(noDesktop.makeDesktopShortcut());
    EXPECT_EQ(readBytes(home / "Desktop"), "not a folder");
}

} // namespace
