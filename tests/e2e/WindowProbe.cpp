// What tools/windows-e2e asks Windows itself about the running program, under Wine:
//   window_probe window TITLE SECONDS   waits for a visible top-level window of that caption and
//                                       prints "zoomed=0|1 outer=X,Y,W,H client=X,Y,W,H"
//                                       (screen pixels); exit 1 on time-out
//   window_probe link FILE.lnk          prints the shortcut's "target=…" and "folder=…"
//   window_probe version                prints the Windows version every program of the prefix
//                                       is told, as "major.minor.build"
// Texts in and out are UTF-8.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

std::string utf8(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

struct Search {
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK visit(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    wchar_t caption[512];
    if (IsWindowVisible(window) && GetWindowTextW(window, caption, 512) > 0 &&
        search.title == caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findWindow(const std::wstring& title) {
    Search search{title};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window once it is there; none after `seconds`.
HWND waitFor(const std::wstring& title, double seconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(int(seconds * 1000));
    HWND window = findWindow(title);
    while (!window && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        window = findWindow(title);
    }
    return window;
}

int describeWindow(const std::wstring& title, double seconds) {
    HWND window = waitFor(title, seconds);
    if (!window) {
        std::fprintf(stderr, "no window \"%s\"\n", utf8(title).c_str());
        return 1;
    }
    RECT outer;
    GetWindowRect(window, &outer);
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::printf("zoomed=%d outer=%ld,%ld,%ld,%ld client=%ld,%ld,%ld,%ld\npid=%lu\n",
                IsZoomed(window) ? 1 : 0, outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top, origin.x, origin.y, client.right, client.bottom, process);
    return 0;
}

int describeLink(const std::wstring& file) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    wchar_t target[MAX_PATH] = L"";
    wchar_t folder[MAX_PATH] = L"";
    const bool read =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
        SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH));
    if (persist) {
        persist->Release();
    }
    if (link) {
        link->Release();
    }
    CoUninitialize();
    if (!read) {
        std::fprintf(stderr, "cannot read the shortcut %s\n", utf8(file).c_str());
        return 1;
    }
    std::printf("target=%s\nfolder=%s\n", utf8(target).c_str(), utf8(folder).c_str());
    return 0;
}

// The version as the system tells it to any program, without the compatibility shims that
// GetVersionEx applies: what Qt reads too.
int describeVersion() {
    using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto get = reinterpret_cast<GetVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!get || get(&version) != 0) {
        std::fprintf(stderr, "cannot read the Windows version\n");
        return 1;
    }
    std::printf("%lu.%lu.%lu\n", version.dwMajorVersion, version.dwMinorVersion,
                version.dwBuildNumber);
    return 0;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring command = count > 1 ? arguments[1] : L"";
    if (command == L"window" && count == 4) {
        return describeWindow(arguments[2], _wtof(arguments[3]));
    }
    if (command == L"link" && count == 3) {
        return describeLink(arguments[2]);
    }
    if (command == L"version" && count == 2) {
        return describeVersion();
    }
    std::fprintf(stderr, "usage: window_probe window TITLE SECONDS | link FILE.lnk | version\n");
    return 2;
}
