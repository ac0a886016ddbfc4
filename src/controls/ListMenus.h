#pragma once
// The context menu of a list view and its Delete key, as the three lists of records have them.

#include <QString>
#include <functional>

class ListView;
class QMenu;
class QWidget;

// A menu named title (also its object name) that pops up at the pointer on a right click on
// the list; the Delete key, in any shift state, runs onDeleteKey. The caller adds the entries.
QMenu* AttachListMenu(QWidget* window, ListView* list, const QString& title,
                      std::function<void()> onDeleteKey);
