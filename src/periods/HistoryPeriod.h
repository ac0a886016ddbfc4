#pragma once
// The period controls of one history page: the check box that shows the date panel, the
// two date boxes, the six period buttons and the hidden box that holds the query kind.
// Each of them runs the page's last kind of query again, with the period as it then stands.

#include <QObject>
#include <QTimer>
#include <array>
#include <optional>
#include <string>

#include "periods/PeriodBounds.h"

class QCheckBox;
class QDateTimeEdit;
class QLineEdit;
class QWidget;
class TextButton;

struct HistoryPeriodUnits {
    QCheckBox* filterBox;
    QWidget* datePanel;
    QDateTimeEdit* startBox;
    QDateTimeEdit* endBox;
    QLineEdit* queryKind;
    // 今天, 昨天, 近7天, 本月, 上月, 近30天
    std::array<TextButton*, 6> buttons;
};

struct HistoryQueries {
    void (*allMembers)();
    void (*currentMember)();
};

extern const char kAllMembersKind[];     // 所有用户
extern const char kCurrentMemberKind[];  // 当前用户

class HistoryPeriod : public QObject {
    Q_OBJECT

  public:
    HistoryPeriod(const HistoryPeriodUnits& units, HistoryQueries queries, QObject* parent);

    // The query kind names the query run again; any other text runs nothing.
    void rerun();
    void toggleFilter();
    void pressPeriodButton(PeriodButton button);
    // The bounds of the date boxes while the filter is on.
    std::optional<PeriodBounds> bounds() const;

    // How long typing in a date box rests before the query runs.
    static constexpr int kTypingRestMs = 400;

  private:
    void dateChanged();

    HistoryPeriodUnits units_;
    HistoryQueries queries_;
    QTimer typingRest_;
};

// Held while a history list fills (the window keeps painting then): a query that the typing
// rest would start meanwhile waits for the fill to end rather than run inside it.
class HistoryFillScope {
  public:
    HistoryFillScope();
    ~HistoryFillScope();
    HistoryFillScope(const HistoryFillScope&) = delete;
    HistoryFillScope& operator=(const HistoryFillScope&) = delete;
    static bool active();
};
