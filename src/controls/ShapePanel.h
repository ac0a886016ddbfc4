#pragma once
#include <QColor>
#include <QFrame>

// A panel that paints its own fill and outline; also serves as a 1-pixel line.
class ShapePanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(bool filled READ filled WRITE setFilled)
    Q_PROPERTY(QColor outlineColor READ outlineColor WRITE setOutlineColor)
    Q_PROPERTY(int outlineWidth READ outlineWidth WRITE setOutlineWidth)
    Q_PROPERTY(bool dashed READ dashed WRITE setDashed)

  public:
    explicit ShapePanel(QWidget* parent = nullptr);

    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor& color);
    bool filled() const { return filled_; }
    void setFilled(bool filled);
    QColor outlineColor() const { return outlineColor_; }
    void setOutlineColor(const QColor& color);
    int outlineWidth() const { return outlineWidth_; }
    void setOutlineWidth(int width);
    bool dashed() const { return dashed_; }
    void setDashed(bool dashed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fillColor_{Qt::white};
    bool filled_ = true;
    QColor outlineColor_{Qt::black};
    int outlineWidth_ = 1;
    bool dashed_ = false;
};
