#pragma once
#include <QLabel>
#include <QTimer>

// The frameless tool-tip window of a balloon tip; it closes itself a while after it was painted.
// It takes no input: a click where it stands goes to the control beneath, which it often
// covers, since a notice appears at the pointer that has just pressed that control.
class BalloonPopup : public QLabel {
    Q_OBJECT

  public:
    explicit BalloonPopup(QWidget* owner);

    // Lines wider than kMaxTextWidth are broken; the popup stands wholly on the screen of
    // the point, moved left or up from it as far as needed. It closes timeoutMs after its
    // first paint; one never painted closes after twice that time.
    void showText(const QString& text, const QPoint& topLeft, int timeoutMs);

    static constexpr int kMaxTextWidth = 480;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void startCountdown();

    QTimer closeTimer_;
    QTimer paintWait_;
    int timeoutMs_ = 0;
    bool awaitingPaint_ = false;
};
