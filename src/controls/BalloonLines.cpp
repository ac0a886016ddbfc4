#include "BalloonLines.h"

std::vector<std::string> BalloonLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n') {
            lines.emplace_back();
            continue;
        }
        lines.back() += text[i];
    }
    return lines;
}
