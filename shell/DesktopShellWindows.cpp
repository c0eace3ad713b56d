#include "DesktopShell.h"

#include "common/Codepage.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

namespace shell {

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

} // namespace shell
