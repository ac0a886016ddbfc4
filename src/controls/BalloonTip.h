#pragma once
#include <QWidget>
#include <string>
#include <vector>

class BalloonPopup;

// The window's notice unit: it never shows itself; popUp shows a small pale-yellow popup
// whose top-left is at a screen point, closed after about three seconds; clicks pass through it.
class BalloonTip : public QWidget {
    Q_OBJECT

  public:
    explicit BalloonTip(QWidget* parent = nullptr);

    // style and flag are kept as given; every style shows the same plain popup.
    void popUp(int screenX, int screenY, const std::string& text, int style, bool flag);

    const std::string& lastText() const { return lastText_; }
    // The lines the last notice showed.
    std::vector<std::string> lastLines() const;
    int lastStyle() const { return lastStyle_; }
    bool lastFlag() const { return lastFlag_; }
    // The popup window, nullptr before the first notice.
    QWidget* popup() const;

    static constexpr int kTimeoutMs = 3000;

  private:
    BalloonPopup* popup_ = nullptr;
    std::string lastText_;
    int lastStyle_ = -1;
    bool lastFlag_ = true;
};
