#include "BalloonPopup.h"

BalloonPopup::BalloonPopup(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::WindowTransparentForInput) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(
        QStringLiteral("QLabel { background: #FFFFE1; color: black; border: 1px solid #767676; "
                       "padding: 4px 8px; }"));
    closeTimer_.setSingleShot(true);
    connect(&closeTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void BalloonPopup::showText(const QString& text, const QPoint& topLeft, int timeoutMs) {
    setText(text);
    adjustSize();
    move(topLeft);
    show();
    closeTimer_.start(timeoutMs);
}
