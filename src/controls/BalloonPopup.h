#pragma once
#include <QLabel>
#include <QTimer>

// The frameless tool-tip window of a balloon tip; it closes itself after a while or on a click.
class BalloonPopup : public QLabel {
    Q_OBJECT

  public:
    explicit BalloonPopup(QWidget* owner);

    void showText(const QString& text, const QPoint& topLeft, int timeoutMs);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QTimer closeTimer_;
};
