#include "ScreenClick.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

// Windows that stay on top, tool tips and popups stand above ordinary windows.
bool StandsOnTop(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) || type == Qt::ToolTip ||
           type == Qt::Popup;
}

}  // namespace

QWidget* WindowUnderPoint(const QPoint& global) {
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->frameGeometry().contains(global)) continue;
        // What a window system passes by: its input region is empty.
        if (window->windowFlags().testFlag(Qt::WindowTransparentForInput)) continue;
        if (found == nullptr || (StandsOnTop(window) && !StandsOnTop(found))) found = window;
    }
    return found;
}

bool ClickAtScreenPoint(const QPoint& global) {
    QWidget* window = WindowUnderPoint(global);
    if (window == nullptr || window->windowHandle() == nullptr) return false;
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      window->windowHandle()->mapFromGlobal(global));
    return true;
}
