#pragma once
#include <string>
#include <string_view>

// The text shown for an empty notice.
extern const std::string kDefaultNoticeText;

// Pops the text up in the window's balloon tip 10 pixels above the mouse pointer; CR LF
// breaks its lines. An empty text is replaced, in the caller's variable, by the default.
void ShowNotice(std::string& text);
void ShowNotice(std::string_view text = {});
