#include "common/Notices.h"

#include "controls/WindowOps.h"
#include "form/MainWindow.h"

const std::string kDefaultNoticeText = "感谢你使用芸朵朵软件";

void ShowNotice(std::string& text) {
    if (text.empty()) text = kDefaultNoticeText;
    const int x = MouseScreenX();
    const int y = MouseScreenY() - 10;
    ShowBalloonTip(TheMainWindow().ui.气球提示框1, x, y, text, -1, true);
}

void ShowNotice(std::string_view text) {
    std::string own(text);
    ShowNotice(own);
}
