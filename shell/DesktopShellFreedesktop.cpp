#include "DesktopShell.h"
#include "FreedesktopEntry.h"

#include "common/ReplaceFile.h"

#include <cstdio>
#include <fstream>
#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
extern char** environ;

namespace shell {

namespace {

const std::string shortcutBaseName = "岚舟签号通";

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
    return "[Desktop Entry]\nType=Application\nName=" + shortcutBaseName +
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
        const std::filesystem::path launcher = folder / (shortcutBaseName + ".desktop");
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
        // The opener hands the address on and ends; it is reaped aside so the window never waits.
        std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    }
}

} // namespace shell
