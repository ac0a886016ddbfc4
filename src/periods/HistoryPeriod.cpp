#include "periods/HistoryPeriod.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSignalBlocker>

#include "controls/DateConversion.h"
#include "controls/TextButton.h"
#include "controls/UnitProperties.h"
#include "runtime/datetime.h"

const char kAllMembersKind[] = "所有用户";
const char kCurrentMemberKind[] = "当前用户";

namespace {
int fillsRunning = 0;
}

HistoryFillScope::HistoryFillScope() { ++fillsRunning; }
HistoryFillScope::~HistoryFillScope() { --fillsRunning; }
bool HistoryFillScope::active() { return fillsRunning > 0; }

HistoryPeriod::HistoryPeriod(const HistoryPeriodUnits& units, HistoryQueries queries,
                             QObject* parent)
    : QObject(parent), units_(units), queries_(queries) {
    // The first tick of the filter lists today, not a day long past.
    for (QDateTimeEdit* box : {units_.startBox, units_.endBox})
        box->setDateTime(ToQDateTime(CurrentDateTime()));
    typingRest_.setSingleShot(true);
    typingRest_.setInterval(kTypingRestMs);
    connect(&typingRest_, &QTimer::timeout, this, [this] {
        if (HistoryFillScope::active())
            typingRest_.start();
        else
            rerun();
    });
    connect(units_.filterBox, &QCheckBox::toggled, this, [this] { toggleFilter(); });
    for (QDateTimeEdit* box : {units_.startBox, units_.endBox}) {
        connect(box, &QDateTimeEdit::dateTimeChanged, this, [this] { dateChanged(); });
        // A date typed to its end runs at once when the operator leaves the box.
        connect(box, &QDateTimeEdit::editingFinished, this, [this] {
            if (typingRest_.isActive()) rerun();
        });
    }
    for (int i = 0; i < 6; ++i)
        connect(units_.buttons[i], &TextButton::leftButtonDown, this,
                [this, i] { pressPeriodButton(static_cast<PeriodButton>(i)); });
}

void HistoryPeriod::rerun() {
    typingRest_.stop();
    const std::string kind = TextOf(units_.queryKind);
    if (kind == kAllMembersKind)
        queries_.allMembers();
    else if (kind == kCurrentMemberKind)
        queries_.currentMember();
}

// Each keystroke that completes a date changes the value: the query waits until the typing
// rests, so a date typed digit by digit runs one query.
void HistoryPeriod::dateChanged() { typingRest_.start(); }

void HistoryPeriod::toggleFilter() {
    units_.datePanel->setVisible(units_.filterBox->isChecked());
    rerun();
}

// Both boxes are set before the one query runs: their own change events stay silent.
void HistoryPeriod::pressPeriodButton(PeriodButton button) {
    const PeriodDates dates = DatesOfPeriodButton(button);
    {
        const QSignalBlocker startQuiet(units_.startBox);
        const QSignalBlocker endQuiet(units_.endBox);
        if (dates.endFirst) units_.endBox->setDateTime(ToQDateTime(dates.end));
        units_.startBox->setDateTime(ToQDateTime(dates.start));
        if (!dates.endFirst) units_.endBox->setDateTime(ToQDateTime(dates.end));
    }
    rerun();
}

std::optional<PeriodBounds> HistoryPeriod::bounds() const {
    if (!units_.filterBox->isChecked()) return std::nullopt;
    return BoundsOfDays(FromQDateTime(units_.startBox->dateTime()),
                        FromQDateTime(units_.endBox->dateTime()));
}
