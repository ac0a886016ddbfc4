#include "runtime/ini_lines.h"

#include <algorithm>

#include "runtime/texts.h"

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view TrimIniBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

std::vector<IniLine> SplitIniLines(std::string_view content) {
    std::vector<IniLine> lines;
    while (!content.empty()) {
        const size_t newline = content.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back({std::string(content), ""});
            break;
        }
        const bool crlf = newline > 0 && content[newline - 1] == '\r';
        const size_t bytes = crlf ? newline - 1 : newline;
        lines.push_back({std::string(content.substr(0, bytes)), crlf ? "\r\n" : "\n"});
        content.remove_prefix(newline + 1);
    }
    return lines;
}

std::string JoinIniLines(const std::vector<IniLine>& lines) {
    std::string content;
    for (const IniLine& line : lines) content.append(line.bytes).append(line.end);
    return content;
}

ParsedIniLine ParseIniLine(std::string_view gbkLine) {
    const std::optional<std::string> utf8 = GbkToUtf8(gbkLine);
    if (!utf8) return {};
    // Only the names are trimmed: a value reads back byte for byte, so "真 " stays "真 ".
    std::string_view line = *utf8;
    line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t")));
    if (line.empty() || line[0] == ';') return {};
    if (line[0] == '[') {
        const size_t close = line.find(']');
        if (close == std::string_view::npos) return {};
        return {IniLineKind::kSection, std::string(TrimIniBlanks(line.substr(1, close - 1))), ""};
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {IniLineKind::kKey, std::string(TrimIniBlanks(line.substr(0, equals))),
            std::string(line.substr(equals + 1))};
}

IniKeyPlace LocateIniKey(const std::vector<IniLine>& lines, std::string_view section,
                         std::string_view key) {
    IniKeyPlace place;
    section = TrimIniBlanks(section);
    key = TrimIniBlanks(key);
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedIniLine parsed = ParseIniLine(lines[i].bytes);
        if (!place.section) {
            if (parsed.kind == IniLineKind::kSection && SameName(parsed.name, section)) {
                place.section = i;
                place.insertAt = i + 1;
            }
            continue;
        }
        if (parsed.kind == IniLineKind::kSection) break;
        if (!TrimIniBlanks(lines[i].bytes).empty()) place.insertAt = i + 1;
        if (parsed.kind == IniLineKind::kKey && SameName(parsed.name, key)) {
            place.key = i;
            place.value = parsed.value;
            break;
        }
    }
    return place;
}
