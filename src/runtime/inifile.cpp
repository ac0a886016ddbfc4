#include "runtime/inifile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>

#include "runtime/ini_lines.h"
#include "runtime/texts.h"

namespace {

// One lock for every INI file of the process: a read never sees a write half done
// and two writes never lose each other's keys.
std::mutex iniMutex;

// The program builds its paths with the backslash separator.
std::string NativePath(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

// The file's bytes; "" for a missing file; nullopt when it exists but cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (access(path.c_str(), F_OK) != 0 && errno == ENOENT) return std::string();
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return bytes.str();
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<size_t>(written);
    }
    return true;
}

// Through a file beside it and a rename, so that the file is always either old or new.
bool ReplaceFile(const std::string& path, const std::string& bytes) {
    static std::atomic<unsigned> counter{0};
    const std::string temporary =
        path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && rename(temporary.c_str(), path.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// Names that would read back as another kind of line are refused.
bool WritableNames(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty()) return false;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
    if (section.find(']') != section.npos) return false;
    return key.find('=') == key.npos && key[0] != '[' && key[0] != ';';
}

std::string LineEndOf(const std::vector<IniLine>& lines) {
    return lines.empty() || lines.front().end.empty() ? "\r\n" : lines.front().end;
}

void PutKey(std::vector<IniLine>& lines, const std::string& gbkSection, const std::string& keyLine,
            std::string_view section, std::string_view key) {
    const IniKeyPlace place = LocateIniKey(lines, section, key);
    const std::string end = LineEndOf(lines);
    if (place.key) {
        lines[*place.key].bytes = keyLine;
        return;
    }
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = end;
    if (place.section) {
        lines.insert(lines.begin() + static_cast<long>(place.insertAt), IniLine{keyLine, end});
        return;
    }
    lines.push_back({"[" + gbkSection + "]", end});
    lines.push_back({keyLine, end});
}

}  // namespace

std::string IniRead(const std::string& path, std::string_view section, std::string_view key) {
    std::lock_guard lock(iniMutex);
    const std::optional<std::string> content = ReadFileBytes(NativePath(path));
    if (!content) return "";
    return LocateIniKey(SplitIniLines(*content), section, key).value.value_or("");
}

bool IniWrite(const std::string& path, std::string_view section, std::string_view key,
              std::string_view value) {
    section = TrimIniBlanks(section);
    key = TrimIniBlanks(key);
    if (!WritableNames(section, key, value)) return false;
    const std::optional<std::string> gbkSection = Utf8ToGbk(section);
    const std::optional<std::string> gbkKey = Utf8ToGbk(key);
    const std::optional<std::string> gbkValue = Utf8ToGbk(value);
    if (!gbkSection || !gbkKey || !gbkValue) return false;

    std::lock_guard lock(iniMutex);
    const std::string native = NativePath(path);
    const std::optional<std::string> content = ReadFileBytes(native);
    if (!content) return false;
    std::vector<IniLine> lines = SplitIniLines(*content);
    PutKey(lines, *gbkSection, *gbkKey + "=" + *gbkValue, section, key);
    return ReplaceFile(native, JoinIniLines(lines));
}
