#include "runtime/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kProgramFolderName = "frontdesk-shop";

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "";
}

// A relative or empty XDG_CONFIG_HOME is to be ignored.
std::string ConfigHome() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    return HomeFolder() + "/.config";
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string SpecialFolderPath(int folderCode) {
    if (folderCode != kProgramSettingsFolder) return "";
    const std::string folder = WithoutTrailingSeparators(ConfigHome()) + "/" + kProgramFolderName;
    // A folder that cannot be made still gives its path: a later read finds no file there.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}
