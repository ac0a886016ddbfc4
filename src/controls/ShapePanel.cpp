#include "ShapePanel.h"

#include <QPainter>
#include <QPen>

ShapePanel::ShapePanel(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

void ShapePanel::setFillColor(const QColor& color) {
    fillColor_ = color;
    update();
}

void ShapePanel::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void ShapePanel::setOutlineColor(const QColor& color) {
    outlineColor_ = color;
    update();
}

void ShapePanel::setOutlineWidth(int width) {
    outlineWidth_ = qMax(0, width);
    update();
}

void ShapePanel::setDashed(bool dashed) {
    dashed_ = dashed;
    update();
}

void ShapePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (filled_) painter.fillRect(rect(), fillColor_);
    if (outlineWidth_ <= 0) return;
    // A line as thin as the outline is all outline: fill it rather than stroke an empty box.
    if (width() <= outlineWidth_ || height() <= outlineWidth_) {
        painter.fillRect(rect(), outlineColor_);
        return;
    }
    QPen pen(outlineColor_, outlineWidth_, dashed_ ? Qt::DashLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = outlineWidth_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
