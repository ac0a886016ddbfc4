#include "runtime/pinyin.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>

#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace {

std::mutex pinyinMutex;

// Lower-case ASCII letters, or "" when the transliterator left anything else.
std::string AsciiReading(const icu::UnicodeString& latin) {
    std::string utf8;
    latin.toUTF8String(utf8);
    std::string reading;
    for (char c : utf8) {
        if (c == ' ') continue;
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c < 'a' || c > 'z') return "";
        reading += c;
    }
    return reading;
}

bool IsHan(UChar32 codePoint) {
    UErrorCode status = U_ZERO_ERROR;
    return uscript_getScript(codePoint, &status) == USCRIPT_HAN ||
           u_hasBinaryProperty(codePoint, UCHAR_IDEOGRAPHIC);
}

// Caller holds pinyinMutex.
std::string ReadingOf(UChar32 codePoint) {
    static std::unordered_map<UChar32, std::string> cache;
    if (auto known = cache.find(codePoint); known != cache.end()) return known->second;

    static std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(
            icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();

    std::string reading;
    if (transliterator && IsHan(codePoint)) {
        icu::UnicodeString text(codePoint);
        transliterator->transliterate(text);
        reading = AsciiReading(text);
    }
    cache.emplace(codePoint, reading);
    return reading;
}

// The one code point the text holds, or nothing.
std::optional<UChar32> SingleCodePoint(std::string_view character) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(character.data(), static_cast<int32_t>(character.size())));
    if (text.countChar32() != 1) return std::nullopt;
    const UChar32 codePoint = text.char32At(0);
    if (codePoint == 0xFFFD && character != "\uFFFD") return std::nullopt;  // not UTF-8
    return codePoint;
}

}  // namespace

std::string PinyinOfChar(std::string_view character, int /*mode*/) {
    const std::optional<UChar32> codePoint = SingleCodePoint(character);
    if (!codePoint) return "";
    std::lock_guard lock(pinyinMutex);
    return ReadingOf(*codePoint);
}

std::string PinyinInitialOfChar(std::string_view character, int mode) {
    const std::string reading = PinyinOfChar(character, mode);
    if (reading.size() >= 2 && reading[1] == 'h' &&
        (reading[0] == 'z' || reading[0] == 'c' || reading[0] == 's')) {
        return reading.substr(0, 2);
    }
    // A single consonant, or the first vowel of a reading without an initial.
    return reading.substr(0, 1);
}
