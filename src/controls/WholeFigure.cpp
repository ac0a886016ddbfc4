#include "WholeFigure.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

#include "FittingFont.h"

namespace {

// QLineEdit keeps this margin on each side of its text, and a pixel for the cursor.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;
// Between the neighbour's text and the figure.
constexpr int kGap = 6;

int FrameAround(const QLineEdit* box) {
    const QMargins margins = box->textMargins();
    return box->width() - box->contentsRect().width() + margins.left() + margins.right() +
           2 * kLineEditMargin + kCursorWidth;
}

// Where a left-aligned box's text ends, in its parent's coordinates.
int TextEnd(const QLineEdit* box) {
    const int end = box->x() + box->contentsRect().left() + box->textMargins().left() +
                    kLineEditMargin + QFontMetrics(box->font()).horizontalAdvance(box->text());
    return std::min(end, box->geometry().right() + 1);
}

}  // namespace

// The box's style sheet carries its font, so a smaller size goes in as a style sheet too:
// a font set otherwise would give way to the sheet at the next polish.
void KeepFigureWhole(QLineEdit* box, QLineEdit* leftNeighbour) {
    box->ensurePolished();
    leftNeighbour->ensurePolished();
    const QString storedSheet = box->styleSheet();
    const QFont stored = box->font();
    const QRect storedPlace = box->geometry();
    const auto fit = [=] {
        const QString figure = box->text();
        const int frame = FrameAround(box);
        const int freeLeft = std::min(storedPlace.left(), TextEnd(leftNeighbour) + kGap);
        const int wanted = storedPlace.right() + 1 - TextWidthNeeded(stored, figure) - frame;
        QRect place = storedPlace;
        place.setLeft(std::clamp(wanted, freeLeft, storedPlace.left()));
        const QFont font = FontFittingWidth(stored, figure, place.width() - frame);
        const QString sheet =
            font == stored
                ? storedSheet
                : storedSheet + QStringLiteral(" font-size: %1px;").arg(font.pixelSize());
        if (box->geometry() != place) box->setGeometry(place);
        if (box->styleSheet() != sheet) box->setStyleSheet(sheet);
    };
    QObject::connect(box, &QLineEdit::textChanged, box, fit);
    QObject::connect(leftNeighbour, &QLineEdit::textChanged, box, fit);
    fit();
}
