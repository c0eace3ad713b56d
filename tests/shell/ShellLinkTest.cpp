#include "common/Codepage.h"
#include "shell/DesktopShell.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <filesystem>
#include <string>

namespace {

using testsupport::writeBytes;

const wchar_t* const shortcutFileName = L"\u5c9a\u821f\u7b7e\u53f7\u901a.lnk"; // 岚舟签号通.lnk

struct LinkFields {
    std::string path;
    std::string workingDirectory;
};

// A shell link read back through the ANSI interface, as the system's shell would read it.
LinkFields readLink(const std::filesystem::path& file) {
    LinkFields fields{"<unreadable>", "<unreadable>"};
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return fields;
    }
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        char text[MAX_PATH + 1] = {};
        if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) {
            fields.path = text;
        }
        if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) {
            fields.workingDirectory = text;
        }
    }
    if (persist) {
        persist->Release();
    }
    link->Release();
    return fields;
}

std::string ansi(const std::filesystem::path& path) {
    return common::ansiFromWide(path.native());
}

std::size_t filesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class ShellLink : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "the Windows tests run under code page 936";
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        std::filesystem::create_directories(desktop);
    }
    void TearDown() override { CoUninitialize(); }

    // A program file in a folder named 岚舟 钓场.
    std::filesystem::path program(const std::string& name) {
        const auto file = folder / u8"岚舟 钓场" / name;
        writeBytes(file, "MZ");
        return file;
    }

    testsupport::TempFolder folder;
    const std::filesystem::path desktop = folder / "desktop";
};

TEST_F(ShellLink, PointsAtTheProgramAndWorksInItsChineseFolder) {
    const auto target = program("qianhaotong.exe");
    shell::DesktopShell(desktop, target).makeDesktopShortcut();
    const auto link = desktop / shortcutFileName;
    ASSERT_TRUE(std::filesystem::exists(link));
    // The folder's name in code page 936: 岚舟 钓场.
    const std::string programFolder = ansi(folder.path()) + "\\\xe1\xb0\xd6\xdb \xb5\xf6\xb3\xa1\\";
    const LinkFields fields = readLink(link);
    EXPECT_EQ(fields.path, programFolder + "qianhaotong.exe");
    EXPECT_EQ(fields.workingDirectory, programFolder);
}

TEST_F(ShellLink, IsReplacedOnTheNextStart) {
    shell::DesktopShell(desktop, program("old.exe")).makeDesktopShortcut();
    const auto target = program("qianhaotong.exe");
    shell::DesktopShell(desktop, target).makeDesktopShortcut();
    EXPECT_EQ(filesIn(desktop), 1u);
    EXPECT_EQ(readLink(desktop / shortcutFileName).path, ansi(target));
}

TEST_F(ShellLink, LandsInTheUsersDesktopFolderNamingThisProgram) {
    wchar_t folderText[MAX_PATH + 1] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr,
                                           SHGFP_TYPE_CURRENT, folderText)));
    const auto link = std::filesystem::path(folderText) / shortcutFileName;
    std::filesystem::remove(link);
    wchar_t self[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);

    shell::DesktopShell().makeDesktopShortcut();
    ASSERT_TRUE(std::filesystem::exists(link)) << ansi(link);
    EXPECT_EQ(readLink(link).path, ansi(self));
    std::filesystem::remove(link);
}

TEST_F(ShellLink, IsLeftUnmadeSilentlyWithoutADesktopFolder) {
    const auto missing = folder / "no desktop";
    EXPECT_NO_THROW(shell::DesktopShell(missing, program("qianhaotong.exe")).makeDesktopShortcut());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
