#include "BalloonTip.h"

#include <QStringList>

#include "BalloonLines.h"
#include "BalloonPopup.h"
#include "QtText.h"

BalloonTip::BalloonTip(QWidget* parent) : QWidget(parent) { hide(); }

QWidget* BalloonTip::popup() const { return popup_; }

std::vector<std::string> BalloonTip::lastLines() const { return BalloonLines(lastText_); }

void BalloonTip::popUp(int screenX, int screenY, const std::string& text, int style, bool flag) {
    lastText_ = text;
    lastStyle_ = style;
    lastFlag_ = flag;
    QStringList lines;
    for (const std::string& line : lastLines()) lines << ToQString(line);
    // The popup is a window of its own but dies with this unit.
    if (!popup_) popup_ = new BalloonPopup(this);
    popup_->showText(lines.join(QLatin1Char('\n')), QPoint(screenX, screenY), kTimeoutMs);
}
