#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ItemBoxOps.h"
#include "QtText.h"
#include "UnitProperties.h"
#include "WindowThread.h"

namespace {

// Multi-line boxes keep LF inside Qt; the program's texts break lines with CR LF.
QString ToLineFeeds(const std::string& text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string ToCrLf(const QString& text) {
    return ToStdString(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

std::string ReadText(const QWidget* unit) {
    if (auto* edit = qobject_cast<const QLineEdit*>(unit)) return ToStdString(edit->text());
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(unit)) return ToCrLf(edit->toPlainText());
    if (auto* label = qobject_cast<const QLabel*>(unit)) return ToStdString(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(unit))
        return ToStdString(button->text());
    if (auto* combo = qobject_cast<const QComboBox*>(unit))
        return ToStdString(combo->currentText());
    if (auto* group = qobject_cast<const QGroupBox*>(unit)) return ToStdString(group->title());
    if (unit->isWindow()) return ToStdString(unit->windowTitle());
    return {};
}

void WriteText(QWidget* unit, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(unit)) {
        edit->setText(ToQString(text));
        // A text wider than the box shows its beginning; a box being typed in keeps the
        // cursor at the end, where typing goes on (also while its window is not active).
        if (!edit->hasFocus() && edit->window()->focusWidget() != edit) edit->home(false);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(unit)) {
        edit->setPlainText(ToLineFeeds(text));
    } else if (auto* label = qobject_cast<QLabel*>(unit)) {
        label->setText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(unit)) {
        button->setText(ToQString(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(unit)) {
        ComboBoxSetText(combo, text);
    } else if (auto* group = qobject_cast<QGroupBox*>(unit)) {
        group->setTitle(ToQString(text));
    } else if (unit->isWindow()) {
        unit->setWindowTitle(ToQString(text));
    }
}

}  // namespace

std::string TextOf(const QWidget* unit) {
    std::string text;
    RunOnWindowThread([&] { text = ReadText(unit); });
    return text;
}

void SetText(QWidget* unit, const std::string& text) {
    RunOnWindowThread([&] { WriteText(unit, text); });
}
