#include "ListMenus.h"

#include <QMenu>

#include "ListView.h"
#include "WindowOps.h"

QMenu* AttachListMenu(QWidget* window, ListView* list, const QString& title,
                      std::function<void()> onDeleteKey) {
    auto* menu = new QMenu(title, window);
    menu->setObjectName(title);
    QObject::connect(list, &ListView::rightClicked, window,
                     [window, menu] { PopupMenuAtCursor(window, menu); });
    QObject::connect(list, &ListView::deleteKeyPressed, window, std::move(onDeleteKey));
    return menu;
}
