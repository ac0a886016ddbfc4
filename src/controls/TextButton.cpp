#include "TextButton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

TextButton::TextButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void TextButton::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void TextButton::setBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void TextButton::setHoverColor(const QColor& color) {
    hoverColor_ = color;
    update();
}

QSize TextButton::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(24, 12);
}

void TextButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    // The handler may hide or reshape this button; nothing of it is used afterwards.
    if (event->button() == Qt::LeftButton) emit leftButtonDown();
}

void TextButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TextButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    painter.setPen(hovered_ ? hoverColor_ : textColor_);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
