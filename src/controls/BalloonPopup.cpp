#include "BalloonPopup.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

// Breaks a line between characters (never inside one) so that no piece is wider than width.
QStringList BreakLine(const QString& line, const QFontMetrics& metrics, int width) {
    QStringList pieces;
    QString piece;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QString character = line.mid(start, end - start);
        start = end;
        if (!piece.isEmpty() && metrics.horizontalAdvance(piece + character) > width) {
            pieces << piece;
            piece.clear();
        }
        piece += character;
    }
    pieces << piece;
    return pieces;
}

QString BrokenText(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines << BreakLine(line, metrics, width);
    return lines.join(QLatin1Char('\n'));
}

QRect ScreenAreaAt(const QPoint& point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

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
    // A coarse timer may fire up to 5 % early; a notice stands at least its full time.
    closeTimer_.setTimerType(Qt::PreciseTimer);
    closeTimer_.setSingleShot(true);
    connect(&closeTimer_, &QTimer::timeout, this, &QWidget::hide);
    paintWait_.setSingleShot(true);
    connect(&paintWait_, &QTimer::timeout, this, &BalloonPopup::startCountdown);
}

// The window's thread may be held up right after showText (a statement waiting on a locked
// table); a time counted from then could run out before the notice was ever seen.
void BalloonPopup::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!awaitingPaint_) return;
    awaitingPaint_ = false;
    paintWait_.stop();
    startCountdown();
}

void BalloonPopup::startCountdown() { closeTimer_.start(timeoutMs_); }

void BalloonPopup::showText(const QString& text, const QPoint& topLeft, int timeoutMs) {
    ensurePolished();
    const QRect area = ScreenAreaAt(topLeft);
    // The border and padding the style sheet puts around the text. Changing the text to
    // this and back also repaints a popup already on screen with the same notice (no notice
    // reads "x"), so that its countdown starts from a new paint.
    setText(QStringLiteral("x"));
    const int frame = sizeHint().width() - fontMetrics().horizontalAdvance(QStringLiteral("x"));
    int textWidth = kMaxTextWidth;
    // On a screen narrower than the widest balloon, the screen's width is the limit.
    if (area.isValid()) textWidth = std::min(textWidth, area.width() - frame);
    setText(BrokenText(text, fontMetrics(), std::max(textWidth, 1)));
    adjustSize();
    QPoint place = topLeft;
    if (area.isValid()) {
        place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - width())));
        place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - height())));
    }
    move(place);
    // Set before show(), which may paint at once on some platforms.
    timeoutMs_ = timeoutMs;
    awaitingPaint_ = true;
    closeTimer_.stop();
    show();
    // A window the system never exposes would stand forever; a paint that comes after all
    // still gives the notice its full time.
    paintWait_.start(timeoutMs);
}
