#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QString>

// A button that shows a drawn picture ("member", "recharge", "consume", "settings",
// "search", "newMember", "rechargeSmall", "consumeSmall", "fetchCard"), framed in red
// with a red caption while the pointer is over it.
class PictureButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)

  public:
    explicit PictureButton(QWidget* parent = nullptr);

    QString picture() const { return picture_; }
    void setPicture(const QString& picture);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor captionColor() const { return captionColor_; }
    void setCaptionColor(const QColor& color);
    bool isHovered() const { return hovered_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QString picture_;
    QString caption_;
    QColor captionColor_{Qt::black};
    bool hovered_ = false;
};
