#include "PageControl.h"

#include <QEvent>
#include <QTabBar>

// The strip lies under the window's navigation row: the keyboard never reaches it, so Tab
// goes on to a control the operator sees and no arrow key turns a page past the buttons.
PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    tabBar()->setFocusPolicy(Qt::NoFocus);
}

// The tab widget lays its pages out under the strip whenever it sees fit (resize, show,
// style changes); the holder of the pages is put back over the whole control each time.
void PageControl::tabInserted(int index) {
    QTabWidget::tabInserted(index);
    if (pages_ != nullptr) return;
    pages_ = widget(index)->parentWidget();
    pages_->installEventFilter(this);
    coverWithPages();
}

bool PageControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pages_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        coverWithPages();
    return QTabWidget::eventFilter(watched, event);
}

void PageControl::coverWithPages() {
    if (pages_->geometry() != rect()) pages_->setGeometry(rect());
    tabBar()->raise();
}
