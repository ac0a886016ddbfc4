#pragma once
// The properties the handlers read and write on any control. Each may be called from any
// thread, like the list view operations.

#include <string>
#include <variant>

#include "runtime/datetime.h"

class QWidget;

enum class UnitProperty {
    Left,  // of a window: its position on the screen
    Top,
    Width,
    Height,
    Visible,   // not hidden: true also while the window around it is not shown
    Disabled,  // the control's own flag, whatever its parents are
    Text,      // edit boxes, labels, buttons, combo boxes, group box titles, window titles
    Ticked,
    CurrentIndex,  // page, combo box item, list box item, list view row; -1 = none
    DateValue,     // date box, in local time
};

using PropertyValue = std::variant<int, bool, std::string, DateTime>;

// Left to CurrentIndex give int, bool or std::string as is natural for them, DateValue a
// DateTime. A property the control does not have reads as false, "", -1 (current index) or
// day 0.
PropertyValue GetUnitProperty(QWidget* unit, UnitProperty property);
// A value of another type than the property's, or a property the control lacks, is ignored.
void SetUnitProperty(QWidget* unit, UnitProperty property, const PropertyValue& value);

// The Text property. Multi-line boxes give and take their lines joined by CR LF.
std::string TextOf(const QWidget* unit);
void SetText(QWidget* unit, const std::string& text);
