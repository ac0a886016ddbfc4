#include "runtime/texts.h"
#include "consumption/QuickConsume.h"

namespace {
const char kQuoteMarker[] = "#引号";
}

std::string TextBetween(const std::string& text, const std::string& startMarker,
                        const std::string& endMarker, std::optional<int> startPosition,
                        bool ignoreCase) {
    const std::string start = ReplaceText(startMarker, kQuoteMarker, "\"");
    const std::string end = ReplaceText(endMarker, kQuoteMarker, "\"");
    int p = FindText(text, start, startPosition.value_or(1), ignoreCase);
    if (p == -1) return {};
    p += TextLength(start);
    const int q = FindText(text, end, p, ignoreCase);
    if (q == -1) return {};
    return TextMid(text, p, q - p);
}
