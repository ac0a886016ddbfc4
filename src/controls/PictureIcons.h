#pragma once
// The drawings of the picture buttons, each fitted into the given square.

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

void DrawPerson(QPainter& painter, const QRectF& box, const QColor& color);
void DrawYenCoin(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCart(QPainter& painter, const QRectF& box, const QColor& color);
void DrawGear(QPainter& painter, const QRectF& box, const QColor& color);
void DrawMagnifier(QPainter& painter, const QRectF& box, const QColor& color);
void DrawPlus(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCircledYen(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCalculator(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCloudWithArrow(QPainter& painter, const QRectF& box, const QColor& color);
void DrawClipboard(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCard(QPainter& painter, const QRectF& box, const QColor& color);
