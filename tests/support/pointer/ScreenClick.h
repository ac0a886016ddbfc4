#pragma once
// A click at a point of the screen as a window system delivers it: to the top-most window
// there that takes input, and inside it to what Qt finds under the point. The offscreen
// platform knows no stacking and no input regions, so the window is chosen here.

#include <QPoint>

class QWidget;

// The top-level widget whose window a click at this screen point reaches; nullptr when none.
QWidget* WindowUnderPoint(const QPoint& global);
// A left click (press and release) at the screen point, given to WindowUnderPoint's window.
// False when no window stands there.
bool ClickAtScreenPoint(const QPoint& global);
