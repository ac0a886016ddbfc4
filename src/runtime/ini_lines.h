#pragma once
// The lines of an INI file as GBK bytes, kept exactly as read so that a write changes
// only the line it means to.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IniLine {
    std::string bytes;  // without the line end
    std::string end;    // "\r\n", "\n", or "" for a last line without one
};

// Without the blanks (spaces, tabs) at both ends.
std::string_view TrimIniBlanks(std::string_view text);

std::vector<IniLine> SplitIniLines(std::string_view content);
std::string JoinIniLines(const std::vector<IniLine>& lines);

enum class IniLineKind { kOther, kSection, kKey };

// Names and value in UTF-8 with the blanks around them removed. Lines that are not
// GBK, comments (";") and blank lines are kOther.
struct ParsedIniLine {
    IniLineKind kind = IniLineKind::kOther;
    std::string name;
    std::string value;
};
ParsedIniLine ParseIniLine(std::string_view gbkLine);

// Where a key is, or where it would go.
struct IniKeyPlace {
    std::optional<size_t> section;  // line of the first matching "[section]"
    std::optional<size_t> key;      // line of the first matching key in that section
    size_t insertAt = 0;            // after the section's last line that is not blank
    std::optional<std::string> value;
};
IniKeyPlace LocateIniKey(const std::vector<IniLine>& lines, std::string_view section,
                         std::string_view key);
