#include "PictureIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QPen RoundPen(const QColor& color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The yen sign: two arms meeting in the middle, a stem and two bars.
void DrawYenSign(QPainter& painter, const QRectF& box, const QColor& color, qreal width) {
    const qreal cx = box.center().x();
    const qreal mid = box.top() + box.height() * 0.45;
    painter.setPen(RoundPen(color, width));
    painter.drawLine(QPointF(box.left(), box.top()), QPointF(cx, mid));
    painter.drawLine(QPointF(box.right(), box.top()), QPointF(cx, mid));
    painter.drawLine(QPointF(cx, mid), QPointF(cx, box.bottom()));
    const qreal bar = box.width() * 0.35;
    painter.drawLine(QPointF(cx - bar, mid), QPointF(cx + bar, mid));
    const qreal low = box.top() + box.height() * 0.7;
    painter.drawLine(QPointF(cx - bar, low), QPointF(cx + bar, low));
}

}  // namespace

void DrawPerson(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(box.center().x(), box.top() + s * 0.28), s * 0.2, s * 0.2);
    QPainterPath body;
    const QRectF shoulders(box.left() + s * 0.12, box.top() + s * 0.55, s * 0.76, s * 0.8);
    body.moveTo(shoulders.left(), box.bottom());
    body.arcTo(shoulders, 180, -180);
    body.lineTo(shoulders.right(), box.bottom());
    body.closeSubpath();
    painter.drawPath(body);
}

void DrawYenCoin(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    painter.setPen(RoundPen(color.darker(130), s * 0.04));
    painter.setBrush(color);
    painter.drawEllipse(box.adjusted(s * 0.05, s * 0.05, -s * 0.05, -s * 0.05));
    DrawYenSign(painter, box.adjusted(s * 0.3, s * 0.25, -s * 0.3, -s * 0.22), Qt::white, s * 0.08);
}

void DrawCart(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    const qreal x = box.left(), y = box.top();
    painter.setPen(RoundPen(color, s * 0.07));
    painter.setBrush(Qt::NoBrush);
    QPainterPath frame;
    frame.moveTo(x + s * 0.05, y + s * 0.2);
    frame.lineTo(x + s * 0.2, y + s * 0.2);
    frame.lineTo(x + s * 0.32, y + s * 0.65);
    frame.lineTo(x + s * 0.82, y + s * 0.65);
    frame.lineTo(x + s * 0.92, y + s * 0.32);
    frame.lineTo(x + s * 0.25, y + s * 0.32);
    painter.drawPath(frame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(x + s * 0.38, y + s * 0.82), s * 0.07, s * 0.07);
    painter.drawEllipse(QPointF(x + s * 0.76, y + s * 0.82), s * 0.07, s * 0.07);
}

void DrawGear(QPainter& painter, const QRectF& box, const QColor& color) {
    const QPointF c = box.center();
    const qreal outer = box.width() * 0.46, inner = box.width() * 0.34;
    const int teeth = 8;
    QPainterPath gear;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: two points on the outer circle, then two on the inner one.
        const qreal angle = (i * 2 * M_PI) / (teeth * 4);
        const qreal r = (i % 4 < 2) ? outer : inner;
        const QPointF p(c.x() + r * qCos(angle), c.y() + r * qSin(angle));
        if (i == 0)
            gear.moveTo(p);
        else
            gear.lineTo(p);
    }
    gear.closeSubpath();
    gear.addEllipse(c, box.width() * 0.14, box.width() * 0.14);
    gear.setFillRule(Qt::OddEvenFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(gear);
}

void DrawMagnifier(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    painter.setPen(RoundPen(color, s * 0.1));
    painter.setBrush(Qt::NoBrush);
    const QPointF c(box.left() + s * 0.42, box.top() + s * 0.42);
    painter.drawEllipse(c, s * 0.28, s * 0.28);
    painter.setPen(RoundPen(color, s * 0.14));
    painter.drawLine(QPointF(box.left() + s * 0.64, box.top() + s * 0.64),
                     QPointF(box.left() + s * 0.9, box.top() + s * 0.9));
}

void DrawPlus(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal bar = s * 0.22;
    painter.drawRoundedRect(QRectF(box.center().x() - bar / 2, box.top() + s * 0.1, bar, s * 0.8),
                            bar / 4, bar / 4);
    painter.drawRoundedRect(QRectF(box.left() + s * 0.1, box.center().y() - bar / 2, s * 0.8, bar),
                            bar / 4, bar / 4);
}

void DrawCircledYen(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    painter.setPen(RoundPen(color, s * 0.08));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box.adjusted(s * 0.06, s * 0.06, -s * 0.06, -s * 0.06));
    DrawYenSign(painter, box.adjusted(s * 0.3, s * 0.25, -s * 0.3, -s * 0.22), color, s * 0.08);
}

void DrawCalculator(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    const QRectF body = box.adjusted(s * 0.15, s * 0.05, -s * 0.15, -s * 0.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(body, s * 0.08, s * 0.08);
    painter.setBrush(Qt::white);
    painter.drawRect(
        QRectF(body.left() + s * 0.1, body.top() + s * 0.1, body.width() - s * 0.2, s * 0.2));
    const qreal key = s * 0.12, gap = (body.width() - 3 * key) / 4;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            painter.drawRect(QRectF(body.left() + gap + col * (key + gap),
                                    body.top() + s * 0.38 + row * (key + s * 0.06), key, key));
}

void DrawCloudWithArrow(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    const qreal x = box.left(), y = box.top();
    QPainterPath cloud;
    cloud.addEllipse(QRectF(x + s * 0.05, y + s * 0.4, s * 0.35, s * 0.35));
    cloud.addEllipse(QRectF(x + s * 0.22, y + s * 0.18, s * 0.45, s * 0.45));
    cloud.addEllipse(QRectF(x + s * 0.55, y + s * 0.35, s * 0.4, s * 0.4));
    cloud.addRect(QRectF(x + s * 0.22, y + s * 0.5, s * 0.55, s * 0.25));
    painter.setPen(RoundPen(color, s * 0.05));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cloud.simplified());
    // The circular arrow inside the cloud: most of a ring and its head.
    const QRectF ring(x + s * 0.38, y + s * 0.36, s * 0.26, s * 0.26);
    painter.drawArc(ring, 90 * 16, 270 * 16);
    const QPointF tip(ring.center().x(), ring.top());
    painter.drawLine(tip, tip + QPointF(-s * 0.08, -s * 0.06));
    painter.drawLine(tip, tip + QPointF(-s * 0.08, s * 0.06));
}

void DrawClipboard(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    painter.setPen(RoundPen(color, s * 0.08));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(s * 0.15, s * 0.12, -s * 0.15, 0), s * 0.08, s * 0.08);
    painter.setBrush(color);
    painter.drawRect(QRectF(box.left() + s * 0.35, box.top(), s * 0.3, s * 0.16));
    for (int line = 0; line < 3; ++line) {
        const qreal y = box.top() + s * (0.4 + 0.18 * line);
        painter.drawLine(QPointF(box.left() + s * 0.3, y), QPointF(box.right() - s * 0.3, y));
    }
}

void DrawCard(QPainter& painter, const QRectF& box, const QColor& color) {
    const qreal s = box.width();
    const QRectF card(box.left(), box.top() + s * 0.18, s, s * 0.64);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(card, s * 0.08, s * 0.08);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(card.left(), card.top() + s * 0.12, s, s * 0.1));
    painter.drawRect(QRectF(card.left() + s * 0.1, card.bottom() - s * 0.2, s * 0.35, s * 0.08));
}
