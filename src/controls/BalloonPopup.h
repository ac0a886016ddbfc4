#pragma once
#include <QLabel>
#include <QTimer>

// The frameless tool-tip window of a balloon tip; it closes itself after a while. It takes no
// input: a click where it stands goes to the control beneath, which it often covers, since a
// notice appears at the pointer that has just pressed that control.
class BalloonPopup : public QLabel {
    Q_OBJECT

  public:
    explicit BalloonPopup(QWidget* owner);

    // Lines wider than kMaxTextWidth are broken; the popup stands wholly on the screen of
    // the point, moved left or up from it as far as needed.
    void showText(const QString& text, const QPoint& topLeft, int timeoutMs);

    static constexpr int kMaxTextWidth = 480;

  private:
    QTimer closeTimer_;
};
