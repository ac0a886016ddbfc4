#include "EnterKey.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class EnterKeyFilter : public QObject {
  public:
    EnterKeyFilter(QObject* parent, void (*handler)(int)) : QObject(parent), handler_(handler) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                handler_(kEnterKeyCode);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void (*handler_)(int);
};

}  // namespace

void InstallEnterKeyHandler(QWidget* unit, void (*handler)(int keyCode)) {
    unit->installEventFilter(new EnterKeyFilter(unit, handler));
}
