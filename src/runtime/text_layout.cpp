#include "runtime/text_layout.h"

namespace {

// Length of the valid UTF-8 sequence at the start of rest, 0 when there is none.
size_t SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (rest.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

std::vector<CharSpan> LayOutChars(std::string_view text) {
    std::vector<CharSpan> chars;
    int position = 1;
    for (size_t offset = 0; offset < text.size();) {
        size_t size = SequenceLength(text.substr(offset));
        const bool ascii = size == 1;
        if (size == 0) size = 1;
        const int width = ascii ? 1 : 2;
        chars.push_back({offset, size, position, width});
        offset += size;
        position += width;
    }
    return chars;
}
