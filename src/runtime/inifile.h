#pragma once
// INI files as the shop's program keeps them: GBK bytes on disk, "[section]" lines and
// "key=value" lines. Names compare without regard to ASCII case; values come back
// byte for byte. A single read or write is whole even across threads. A backslash in a
// path separates folders, as in the paths the program builds.

#include <string>
#include <string_view>

// The value, or "" when the file, the section or the key is absent or unreadable.
std::string IniRead(const std::string& path, std::string_view section, std::string_view key);
// Creates the file, the section or the key as needed and leaves every other line as it
// was. False (nothing written) when a text does not fit GBK or the file cannot be written.
bool IniWrite(const std::string& path, std::string_view section, std::string_view key,
              std::string_view value);
