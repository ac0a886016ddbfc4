#include "FittingLabel.h"

#include <QPainter>
#include <QStyle>

#include "FittingFont.h"

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent) {}

QFont FittingLabel::paintFont() const {
    return FontFittingWidth(font(), text(), contentsRect().width());
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const QFont font = paintFont();
    if (font == this->font()) {
        QLabel::paintEvent(event);
        return;
    }
    // The frame and background as the label's style draws them; the text in the smaller font.
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font);
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), text(), foregroundRole());
}
