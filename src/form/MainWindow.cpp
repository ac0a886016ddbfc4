#include "form/MainWindow.h"

#include <atomic>
#include <cassert>

#include "controls/AsteriskPassword.h"
#include "controls/WindowThread.h"

namespace {
std::atomic<MainWindow*> current{nullptr};
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    ui.setupUi(this);
    // uic applies only the size of a top-level form; the stored place is 50, 50.
    move(50, 50);
    // The nameless-member note shows its three lines in its 36 pixels only without margins.
    ui.编辑框_快速消费_手机号->document()->setDocumentMargin(0);
    for (QLineEdit* box : {ui.编辑框_密码, ui.编辑框_输入新密码, ui.编辑框_新密码确认,
                           ui.编辑框_新增管理员_密码, ui.编辑框_新增管理员_密码确认})
        ShowPasswordAsAsterisks(box);
    时钟1 = new QTimer(this);
    时钟1->setObjectName(QStringLiteral("时钟1"));
    时钟1->setInterval(200);
    current = this;
}

MainWindow::~MainWindow() {
    MainWindow* self = this;
    current.compare_exchange_strong(self, nullptr);
}

MainWindow& TheMainWindow() {
    assert(OnWindowThread());
    MainWindow* window = current.load();
    assert(window != nullptr);
    return *window;
}

bool MainWindowExists() { return OnWindowThread() && current.load() != nullptr; }
