#include "runtime/texts.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "runtime/iconv_converter.h"
#include "runtime/text_layout.h"

namespace {

// The characters whose GBK bytes satisfy keep(first position, width).
template <typename Keep>
std::string CollectChars(std::string_view text, Keep keep) {
    std::string result;
    for (const CharSpan& c : LayOutChars(text)) {
        if (keep(c.gbkPosition, c.gbkWidth)) result.append(text.substr(c.offset, c.size));
    }
    return result;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string FoldedCopy(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldAscii);
    return folded;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
    return ConvertGbk(GbkDirection::kFromUtf8, utf8);
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    return ConvertGbk(GbkDirection::kToUtf8, gbk);
}

bool FitsGbk(std::string_view utf8) { return Utf8ToGbk(utf8).has_value(); }

int TextLength(std::string_view text) {
    int length = 0;
    for (const CharSpan& c : LayOutChars(text)) length += c.gbkWidth;
    return length;
}

std::string TextLeft(std::string_view text, int bytes) {
    return CollectChars(text,
                        [bytes](int position, int width) { return position + width - 1 <= bytes; });
}

std::string TextRight(std::string_view text, int bytes) {
    const int first = TextLength(text) - bytes + 1;
    return CollectChars(text, [first](int position, int) { return position >= first; });
}

std::string TextMid(std::string_view text, int start, int bytes) {
    const int first = std::max(start, 1);
    const long end = static_cast<long>(first) + bytes;
    return CollectChars(
        text, [first, end](int position, int) { return position >= first && position < end; });
}

int FindText(std::string_view text, std::string_view part, int start, bool ignoreCase) {
    if (part.empty()) return -1;
    const std::vector<CharSpan> chars = LayOutChars(text);
    auto from = std::find_if(chars.begin(), chars.end(),
                             [start](const CharSpan& c) { return c.gbkPosition >= start; });
    if (from == chars.end()) return -1;

    const std::string haystack = ignoreCase ? FoldedCopy(text) : std::string(text);
    const std::string needle = ignoreCase ? FoldedCopy(part) : std::string(part);
    for (size_t at = haystack.find(needle, from->offset); at != std::string::npos;
         at = haystack.find(needle, at + 1)) {
        // A match must begin on a character, not inside one.
        auto hit =
            std::lower_bound(chars.begin(), chars.end(), at,
                             [](const CharSpan& c, size_t offset) { return c.offset < offset; });
        if (hit != chars.end() && hit->offset == at) return hit->gbkPosition;
    }
    return -1;
}

int CharCodeAt(std::string_view text, int position) {
    for (const CharSpan& c : LayOutChars(text)) {
        if (position < c.gbkPosition || position >= c.gbkPosition + c.gbkWidth) continue;
        if (c.gbkWidth == 1) return static_cast<unsigned char>(text[c.offset]);
        const std::optional<std::string> gbk = Utf8ToGbk(text.substr(c.offset, c.size));
        if (!gbk) return -1;
        const size_t index = static_cast<size_t>(position - c.gbkPosition);
        return index < gbk->size() ? static_cast<signed char>((*gbk)[index]) : 0;
    }
    return 0;
}

std::string ReplaceText(std::string_view text, std::string_view part, std::string_view with) {
    if (part.empty()) return std::string(text);
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, from)) {
        result.append(text.substr(from, at - from)).append(with);
        from = at + part.size();
    }
    result.append(text.substr(from));
    return result;
}

int32_t ToInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // One past the 32-bit range is enough to know the value is held at an end.
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 2;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(kCap, magnitude * 10 + (text[i] - '0'));
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::string NumberToText(double number) {
    if (number == 0) return "0";  // also -0
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}
