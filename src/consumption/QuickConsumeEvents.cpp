// The events of the quick-consume panel and of the button that opens it.
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <functional>

#include "consumption/QuickConsume.h"
#include "controls/AmountValidator.h"
#include "form/MainWindow.h"

namespace {

// The left button going down on a control that has no such signal of its own.
class LeftButtonDown : public QObject {
  public:
    LeftButtonDown(QObject* parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            handler_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> handler_;
};

}  // namespace

void ConnectQuickConsume(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.按钮_消费, &QAbstractButton::clicked, &window,
                     [] { OpenQuickConsumePanel(); });
    QObject::connect(ui.按钮_快速消费_清空, &TextButton::leftButtonDown, &window,
                     [] { OpenQuickConsumePanel(); });
    QObject::connect(ui.按钮_快速消费_关闭, &TextButton::leftButtonDown, &window,
                     [] { TheMainWindow().ui.外形框_快速消费->hide(); });
    QObject::connect(ui.列表框_快速消费_消费项目清单, &QListWidget::itemDoubleClicked, &window,
                     [] { AddItemToBill(); });
    ui.编辑框_快速消费_消费总金额->setValidator(
        new AmountValidator(AmountValidator::Sign::PositiveOnly, ui.编辑框_快速消费_消费总金额));
    // Typed changes only: the handlers write the total themselves and expect it to stay.
    QObject::connect(ui.编辑框_快速消费_消费总金额, &QLineEdit::textEdited, &window,
                     [] { CheckBillTotal(); });
    ui.编辑框_快速消费_消费项目数->installEventFilter(
        new LeftButtonDown(ui.编辑框_快速消费_消费项目数, [] { ShowBillLines(); }));
}
