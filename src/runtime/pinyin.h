#pragma once
#include <string>
#include <string_view>

// Reading of one Chinese character in plain ASCII letters ("zhang"); "" for a
// character without a reading (not a Han character). mode 1 is the only one in use.
std::string PinyinOfChar(std::string_view character, int mode = 1);
// The initial of that reading ("zh" for zhang, "l" for li); for a reading without an
// initial consonant its first letter ("a" for an). "" when there is no reading.
std::string PinyinInitialOfChar(std::string_view character, int mode = 1);
