#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "BalloonTip.h"
#include "Dialogs.h"
#include "QtText.h"

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0xF0;
constexpr int kOkCancel = 1;
constexpr int kMaskedInput = 4;

QMessageBox::Icon IconOfStyle(int style) {
    switch (style & kIconMask) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QString WithLineFeeds(const std::string& text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

int QtDialogs::messageBox(const std::string& message, int style, const std::string& title) {
    const bool withCancel = (style & kButtonsMask) == kOkCancel;
    QMessageBox box(IconOfStyle(style), ToQString(title), WithLineFeeds(message),
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    const int pressed = box.exec();
    if (!withCancel) return 0;
    return pressed == QMessageBox::Ok ? 0 : 1;
}

bool QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                         const std::string* initial, std::string& text, int mode) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(ToQString(title));
    dialog.setLabelText(WithLineFeeds(prompt));
    dialog.setTextEchoMode(mode == kMaskedInput ? QLineEdit::Password : QLineEdit::Normal);
    if (initial) dialog.setTextValue(ToQString(*initial));
    if (dialog.exec() != QDialog::Accepted) return false;
    text = ToStdString(dialog.textValue());
    return true;
}

void QtDialogs::balloon(BalloonTip* unit, int x, int y, const std::string& text, int style,
                        bool flag) {
    if (unit) unit->popUp(x, y, text, style, flag);
}
