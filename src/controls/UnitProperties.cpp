#include "UnitProperties.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QListWidget>
#include <QTabWidget>
#include <optional>

#include "DateConversion.h"
#include "ListView.h"
#include "WindowThread.h"

namespace {

// Logical and whole-number values stand in for each other, as in the handlers' habits.
std::optional<int> AsInt(const PropertyValue& value) {
    if (auto* number = std::get_if<int>(&value)) return *number;
    if (auto* flag = std::get_if<bool>(&value)) return *flag ? 1 : 0;
    return std::nullopt;
}

std::optional<bool> AsBool(const PropertyValue& value) {
    if (auto* flag = std::get_if<bool>(&value)) return *flag;
    if (auto* number = std::get_if<int>(&value)) return *number != 0;
    return std::nullopt;
}

int CurrentIndexOf(QWidget* unit) {
    if (auto* tabs = qobject_cast<QTabWidget*>(unit)) return tabs->currentIndex();
    if (auto* combo = qobject_cast<QComboBox*>(unit)) return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(unit)) return list->currentRow();
    if (auto* view = qobject_cast<ListView*>(unit)) return view->currentRow();
    return -1;
}

void SetCurrentIndexOf(QWidget* unit, int index) {
    if (auto* tabs = qobject_cast<QTabWidget*>(unit)) {
        tabs->setCurrentIndex(index);
    } else if (auto* combo = qobject_cast<QComboBox*>(unit)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    } else if (auto* list = qobject_cast<QListWidget*>(unit)) {
        if (index < 0 || index >= list->count()) list->clearSelection();
        list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
    } else if (auto* view = qobject_cast<ListView*>(unit)) {
        view->setCurrentRow(index);
    }
}

PropertyValue Read(QWidget* unit, UnitProperty property) {
    switch (property) {
        case UnitProperty::Left:
            return unit->x();
        case UnitProperty::Top:
            return unit->y();
        case UnitProperty::Width:
            return unit->width();
        case UnitProperty::Height:
            return unit->height();
        case UnitProperty::Visible:
            return !unit->isHidden();
        case UnitProperty::Disabled:
            return unit->testAttribute(Qt::WA_ForceDisabled);
        case UnitProperty::Text:
            return TextOf(unit);
        case UnitProperty::Ticked: {
            auto* button = qobject_cast<QAbstractButton*>(unit);
            return button && button->isChecked();
        }
        case UnitProperty::CurrentIndex:
            return CurrentIndexOf(unit);
        case UnitProperty::DateValue: {
            auto* box = qobject_cast<QDateTimeEdit*>(unit);
            return box ? FromQDateTime(box->dateTime()) : DateTime{};
        }
    }
    return 0;
}

void Write(QWidget* unit, UnitProperty property, const PropertyValue& value) {
    const std::optional<int> number = AsInt(value);
    const std::optional<bool> flag = AsBool(value);
    switch (property) {
        case UnitProperty::Left:
            if (number) unit->move(*number, unit->y());
            break;
        case UnitProperty::Top:
            if (number) unit->move(unit->x(), *number);
            break;
        case UnitProperty::Width:
            if (number) unit->resize(*number, unit->height());
            break;
        case UnitProperty::Height:
            if (number) unit->resize(unit->width(), *number);
            break;
        case UnitProperty::Visible:
            if (flag) unit->setVisible(*flag);
            break;
        case UnitProperty::Disabled:
            if (flag) unit->setEnabled(!*flag);
            break;
        case UnitProperty::Text:
            if (auto* text = std::get_if<std::string>(&value)) SetText(unit, *text);
            break;
        case UnitProperty::Ticked:
            if (auto* button = qobject_cast<QAbstractButton*>(unit); button && flag)
                button->setChecked(*flag);
            break;
        case UnitProperty::CurrentIndex:
            if (number) SetCurrentIndexOf(unit, *number);
            break;
        case UnitProperty::DateValue:
            if (auto* box = qobject_cast<QDateTimeEdit*>(unit)) {
                const auto* date = std::get_if<DateTime>(&value);
                if (date && ToQDateTime(*date).isValid()) box->setDateTime(ToQDateTime(*date));
            }
            break;
    }
}

}  // namespace

PropertyValue GetUnitProperty(QWidget* unit, UnitProperty property) {
    PropertyValue value;
    RunOnWindowThread([&] { value = Read(unit, property); });
    return value;
}

void SetUnitProperty(QWidget* unit, UnitProperty property, const PropertyValue& value) {
    RunOnWindowThread([&] { Write(unit, property, value); });
}
