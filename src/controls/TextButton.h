#pragma once
#include <QAbstractButton>
#include <QColor>

// A flat button with centred text that acts the moment the left mouse button goes down.
class TextButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor hoverColor READ hoverColor WRITE setHoverColor)

  public:
    explicit TextButton(QWidget* parent = nullptr);

    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color);
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    QColor hoverColor() const { return hoverColor_; }
    void setHoverColor(const QColor& color);
    bool isHovered() const { return hovered_; }

    QSize sizeHint() const override;

  signals:
    void leftButtonDown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QColor textColor_{Qt::white};
    QColor backColor_{0x00, 0x88, 0xFF};
    QColor hoverColor_{0xFF, 0x80, 0x00};
    bool hovered_ = false;
};
