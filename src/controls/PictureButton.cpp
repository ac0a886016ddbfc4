#include "PictureButton.h"

#include <QEnterEvent>
#include <QPainter>

#include "PictureIcons.h"

namespace {

using IconDrawer = void (*)(QPainter&, const QRectF&, const QColor&);

struct PictureLook {
    const char* name;
    IconDrawer draw;
    QColor iconColor;
    bool iconAbove;               // icon over the caption (navigation buttons) or left of it
    bool tintedCaption;           // caption in the icon's colour rather than the caption colour
    const char* words = nullptr;  // drawn as part of the picture, in the icon's colour
    bool raisedOnHover = false;   // shown one pixel up and one right under the pointer
};

const PictureLook kLooks[] = {
    {"member", DrawPerson, QColor(0x1E, 0x90, 0xFF), true, false},
    {"recharge", DrawYenCoin, QColor(0xF0, 0xA8, 0x00), true, false},
    {"consume", DrawCart, QColor(0xFF, 0x80, 0x00), true, false},
    {"settings", DrawGear, QColor(0x70, 0x70, 0x70), true, false},
    {"search", DrawMagnifier, QColor(0x00, 0x88, 0xFF), false, false},
    {"newMember", DrawPlus, QColor(0xF5, 0xB8, 0x00), false, true},
    {"rechargeSmall", DrawCircledYen, QColor(0xE0, 0x00, 0x00), false, true},
    {"consumeSmall", DrawCalculator, QColor(0x00, 0x60, 0xE0), false, true},
    {"fetchCard", DrawCloudWithArrow, QColor(0x00, 0x88, 0xFF), false, true},
    {"allRecords", DrawClipboard, QColor(0xE0, 0x00, 0x00), false, true, "所有记录", true},
    {"currentMember", DrawCard, QColor(0x00, 0xA0, 0x00), false, true, "当前用户", true},
};

const PictureLook* FindLook(const QString& picture) {
    for (const PictureLook& look : kLooks)
        if (picture == QLatin1String(look.name)) return &look;
    return nullptr;
}

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QString& picture) {
    picture_ = picture;
    update();
}

void PictureButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void PictureButton::setCaptionColor(const QColor& color) {
    captionColor_ = color;
    update();
}

QSize PictureButton::sizeHint() const { return QSize(100, 100); }

void PictureButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A picture is opaque: what lies under the button (the page tabs) stays covered.
    painter.fillRect(rect(), Qt::white);
    const PictureLook* look = FindLook(picture_);
    if (look && look->raisedOnHover && hovered_) painter.translate(1, -1);
    const QString caption = (look && look->words) ? QString::fromUtf8(look->words) : caption_;
    const QColor iconColor = look ? look->iconColor : captionColor_;
    QColor textColor = (look && look->tintedCaption) ? iconColor : captionColor_;
    if (hovered_ && !(look && look->words)) textColor = Qt::red;
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    QRectF iconBox, textBox;
    if (!look || look->iconAbove) {
        const qreal side = qMin(area.width(), area.height() * 0.62);
        iconBox = QRectF(area.center().x() - side / 2, area.top(), side, side);
        textBox =
            QRectF(area.left(), iconBox.bottom(), area.width(), area.bottom() - iconBox.bottom());
    } else {
        const qreal side = area.height() * 0.8;
        const bool iconOnly = caption.isEmpty();
        const qreal left = iconOnly ? area.center().x() - side / 2 : area.left() + 4;
        iconBox = QRectF(left, area.center().y() - side / 2, side, side);
        textBox = QRectF(iconBox.right() + 6, area.top(), area.right() - iconBox.right() - 6,
                         area.height());
    }
    if (look) look->draw(painter, iconBox, iconColor);
    if (!caption.isEmpty()) {
        painter.setPen(textColor);
        painter.setFont(font());
        const Qt::Alignment align =
            (!look || look->iconAbove) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
        if (look && look->words)
            painter.setFont(QFont(QStringLiteral("微软雅黑"), 14, QFont::Bold));
        painter.drawText(textBox, align, caption);
    }
    if (hovered_ && !(look && look->raisedOnHover)) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::red, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
