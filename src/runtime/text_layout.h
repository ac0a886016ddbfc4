#pragma once
// Where the characters of a UTF-8 text lie, both in its own bytes and in the GBK byte
// positions the program counts with.

#include <string_view>
#include <vector>

struct CharSpan {
    size_t offset = 0;    // first UTF-8 byte
    size_t size = 0;      // UTF-8 bytes
    int gbkPosition = 0;  // 1-based GBK byte position
    int gbkWidth = 0;     // 1 for ASCII, else 2
};

// A byte that starts no valid UTF-8 sequence counts as a character of its own.
std::vector<CharSpan> LayOutChars(std::string_view text);
