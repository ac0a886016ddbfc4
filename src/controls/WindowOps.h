#pragma once
// The window runtime operations the handlers call. Texts are UTF-8.

#include <QPoint>
#include <functional>
#include <optional>
#include <string>

#include "ItemBoxOps.h"
#include "ListViewOps.h"
#include "UnitProperties.h"

class BalloonTip;
class QMenu;
class QWidget;

// Through CurrentDialogs(), on the window's thread whichever thread calls.
int ShowMessageBox(const std::string& message, int style, const std::string& title);
bool ShowInputBox(const std::string& prompt, const std::string& title, const std::string* initial,
                  std::string& text, int mode);
void ShowBalloonTip(BalloonTip* unit, int x, int y, const std::string& text, int style = -1,
                    bool flag = true);

// Pops the menu's entries up at the pointer and returns at once; a chosen entry triggers its
// action as usual.
void PopupMenuAtCursor(QWidget* window, QMenu* menu);
void SetInputFocus(QWidget* unit);
// Handles what is waiting, repaints included.
void ProcessPendingEvents();
// The same without mouse and keys: input that arrives meanwhile waits until the call is over,
// so no click reaches a handler that is still running.
void ProcessPendingEventsExceptInput();
// Runs the work on a thread of its own; on the window's thread the window keeps painting
// and its timers and queued work run meanwhile, but mouse and keys wait until it is done.
void WaitForWork(const std::function<void()>& work);
// Lets the time pass. On the window's thread the window keeps painting and its timers and
// queued work run, but mouse and keys wait until the time is over; elsewhere it sleeps.
void WaitMilliseconds(int ms);

// The pointer's position on the screen, or the one a test set (nullopt: the real one).
int MouseScreenX();
int MouseScreenY();
void SetMousePositionForTests(std::optional<QPoint> position);
