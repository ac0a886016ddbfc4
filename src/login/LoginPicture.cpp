#include "login/LoginPicture.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawSteam(QPainter& p, qreal x, qreal top) {
    QPainterPath steam;
    steam.moveTo(x, top + 40);
    steam.cubicTo(x - 10, top + 28, x + 10, top + 16, x, top);
    p.drawPath(steam);
}

}  // namespace

void ShowLoginPicture(QLabel* pictureBox) {
    QPixmap picture(144, 128);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(QColor("#C0C0C0"), 3, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {52.0, 72.0, 92.0}) DrawSteam(p, x, 8);

    // The basin: a wooden tub, wider at the rim, with two hoops.
    QPainterPath tub;
    tub.moveTo(20, 62);
    tub.lineTo(124, 62);
    tub.lineTo(112, 118);
    tub.lineTo(32, 118);
    tub.closeSubpath();
    p.setPen(QPen(QColor("#7A4A1E"), 2));
    p.setBrush(QColor("#C8843C"));
    p.drawPath(tub);
    p.setPen(QPen(QColor("#5A3412"), 3));
    p.drawLine(QPointF(24, 80), QPointF(120, 80));
    p.drawLine(QPointF(28, 102), QPointF(116, 102));

    // Warm water at the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#FF8000"));
    p.drawEllipse(QRectF(22, 56, 100, 12));
    p.setBrush(QColor("#FDC500"));
    p.drawEllipse(QRectF(34, 58, 76, 7));
    p.end();

    pictureBox->setPixmap(picture);
}
