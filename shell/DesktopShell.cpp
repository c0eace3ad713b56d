#include "DesktopShell.h"

#ifdef _WIN32
#include "common/Codepage.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>
#else
#include "common/ReplaceFile.h"

#include <cstdio>
#include <fstream>
#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace shell {

#ifdef _WIN32

namespace {

// 岚舟签号通.lnk, whatever the ANSI code page.
const wchar_t* const shortcutFileName = L"\u5c9a\u821f\u7b7e\u53f7\u901a.lnk";

std::filesystem::path ownProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::filesystem::path userDesktopFolder() {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, &items))) {
        return {};
    }
    wchar_t folder[MAX_PATH + 1] = {};
    const bool found = SHGetPathFromIDListW(items, folder);
    CoTaskMemFree(items);
    return found ? std::filesystem::path(folder) : std::filesystem::path();
}

// Everything up to and including the last "\" or ":".
std::string folderPart(const std::string& path) {
    const std::size_t end = path.find_last_of("\\:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// COM on this thread while the scope lasts; a thread that has it already keeps it as it is.
class ComScope {
public:
    ComScope() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (entered_) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool entered_;
};

} // namespace

DesktopShell::DesktopShell() : program_(ownProgramFile()) {}

DesktopShell::DesktopShell(std::filesystem::path home, std::filesystem::path program)
    : home_(std::move(home)), program_(std::move(program)) {}

void DesktopShell::makeDesktopShortcut() {
    const ComScope com;
    const std::filesystem::path desktop = home_.empty() ? userDesktopFolder() : home_;
    if (program_.empty() || desktop.empty()) {
        return;
    }
    // The ANSI interface takes the program's path in the ANSI code page.
    const std::string target = common::ansiFromWide(program_.native());

    IUnknown* object = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&object)))) {
        return;
    }
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IShellLinkA, reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(object->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->SetPath(target.c_str());
        link->SetWorkingDirectory(folderPart(target).c_str());
        file->Save((desktop / shortcutFileName).c_str(), FALSE);
    }
    if (file) {
        file->Release();
    }
    if (link) {
        link->Release();
    }
    object->Release();
}

void DesktopShell::openMakerWebPage() {
    ShellExecuteA(nullptr, nullptr, makerWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

#else

std::string shortcutBaseName() {
    return "岚舟签号通";
}

namespace {

std::filesystem::path userHome() {
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

std::filesystem::path ownProgramFile() {
    std::error_code ignored;
    return std::filesystem::read_symlink("/proc/self/exe", ignored);
}

// A string value of a desktop entry: backslash, newline, tab and carriage return escaped.
std::string entryValue(const std::string& text) {
    std::string value;
    for (const char c : text) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
        }
    }
    return value;
}

// One argument of an Exec line: quoted, with ", `, $ and \ escaped, and % doubled.
std::string execArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
        if (c == '%') {
            quoted += '%';
        }
    }
    return quoted + "\"";
}

} // namespace

std::string desktopEntryText(const std::filesystem::path& program) {
    std::string folder = program.parent_path().string();
    if (!folder.ends_with('/')) {
        folder += '/';
    }
    return "[Desktop Entry]\nType=Application\nName=" + shortcutBaseName() +
           "\nExec=" + entryValue(execArgument(program.string())) + "\nPath=" + entryValue(folder) +
           "\nTerminal=false\n";
}

std::filesystem::path desktopFolder(const std::filesystem::path& home) {
    std::ifstream dirs(home / ".config" / "user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_DESKTOP_DIR=\"";
    while (std::getline(dirs, line)) {
        if (!line.starts_with(key) || line.size() < key.size() + 1 || line.back() != '"') {
            continue;
        }
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.starts_with("$HOME")) {
            return home / std::filesystem::path(value.substr(5)).relative_path();
        }
        if (value.starts_with("/")) {
            return value;
        }
    }
    return home / "Desktop";
}

DesktopShell::DesktopShell() : home_(userHome()), program_(ownProgramFile()) {}

DesktopShell::DesktopShell(std::filesystem::path home, std::filesystem::path program)
    : home_(std::move(home)), program_(std::move(program)) {}

void DesktopShell::makeDesktopShortcut() {
    try {
        const std::filesystem::path folder = desktopFolder(home_);
        if (program_.empty() || !std::filesystem::is_directory(folder)) {
            return;
        }
        const std::filesystem::path launcher = folder / (shortcutBaseName() + ".desktop");
        common::replaceFile(launcher, desktopEntryText(program_));
        std::filesystem::permissions(launcher,
                                     std::filesystem::perms::owner_exec |
                                         std::filesystem::perms::group_exec |
                                         std::filesystem::perms::others_exec,
                                     std::filesystem::perm_options::add);
    } catch (const std::exception&) {
        // A shortcut that cannot be made leaves no trace.
    }
}

void DesktopShell::openMakerWebPage() {
    char opener[] = "xdg-open";
    char address[256];
    std::snprintf(address, sizeof address, "%s", makerWebAddress);
    char* arguments[] = {opener, address, nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, opener, nullptr, nullptr, arguments, environ) == 0) {
        // The opener hands the address on and ends; it is not waited for beyond that.
        waitpid(child, nullptr, WNOHANG);
    }
}

#endif

} // namespace shell
