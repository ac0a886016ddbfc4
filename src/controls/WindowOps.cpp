#include "WindowOps.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

#include "Dialogs.h"
#include "WindowThread.h"

namespace {

std::optional<QPoint> fixedMousePosition;

QPoint MousePosition() { return fixedMousePosition.value_or(QCursor::pos()); }

}  // namespace

int ShowMessageBox(const std::string& message, int style, const std::string& title) {
    int answer = 0;
    RunOnWindowThread([&] { answer = CurrentDialogs().messageBox(message, style, title); });
    return answer;
}

bool ShowInputBox(const std::string& prompt, const std::string& title, const std::string* initial,
                  std::string& text, int mode) {
    bool accepted = false;
    RunOnWindowThread(
        [&] { accepted = CurrentDialogs().inputBox(prompt, title, initial, text, mode); });
    return accepted;
}

void ShowBalloonTip(BalloonTip* unit, int x, int y, const std::string& text, int style, bool flag) {
    RunOnWindowThread([&] { CurrentDialogs().balloon(unit, x, y, text, style, flag); });
}

// Qt places a menu on the screen by itself: the window is not needed for it.
void PopupMenuAtCursor(QWidget*, QMenu* menu) {
    RunOnWindowThread([&] { menu->popup(MousePosition()); });
}

void SetInputFocus(QWidget* unit) {
    RunOnWindowThread([&] {
        unit->setFocus(Qt::OtherFocusReason);
        // The operator types on from here: a text the program wrote shows its beginning
        // only while the box waits, so an edit of it never lands at its start.
        if (auto* edit = qobject_cast<QLineEdit*>(unit)) edit->end(false);
    });
}

void ProcessPendingEvents() {
    RunOnWindowThread([] { QCoreApplication::processEvents(); });
}

int MouseScreenX() { return MousePosition().x(); }

int MouseScreenY() { return MousePosition().y(); }

void SetMousePositionForTests(std::optional<QPoint> position) { fixedMousePosition = position; }
