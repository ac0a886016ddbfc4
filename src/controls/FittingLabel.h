#pragma once
#include <QFont>
#include <QLabel>

// A one-line label that shows its whole text: a text wider than the label is painted in a
// smaller pixel size of the label's font; any other text in the font as stored.
class FittingLabel : public QLabel {
    Q_OBJECT

  public:
    explicit FittingLabel(QWidget* parent = nullptr);

    // The font the text is painted in.
    QFont paintFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
