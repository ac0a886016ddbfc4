#include "consumption/ConsumptionHistory.h"

#include <QPointer>

#include "consumption/ConsumptionDeletion.h"
#include "controls/ListView.h"
#include "controls/UnitProperties.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "db/sql.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"
#include "periods/HistoryPeriod.h"
#include "periods/HistoryRows.h"
#include "runtime/texts.h"

namespace {

const std::string kNotesSeparator = std::string(20, ' ') + "\r\n";
constexpr int kNotesCell = 7;

QPointer<HistoryPeriod> period;

Ui::MainWindow& Form() { return TheMainWindow().ui; }
ListView* ConsumptionList() { return Form().超级列表框_会员消费_消费列表; }

constexpr int kConsumptionCells = 9;

struct ConsumptionListing {
    HistoryRows rows{kConsumptionCells};
    // False when the statement failed: then there is no figure to show, not a 0.
    bool answered = true;
    int64_t count = 0, sum = 0;
};

Sql ConsumptionStatement(const std::optional<std::string>& memberId,
                         const std::optional<PeriodBounds>& bounds) {
    Sql statement("SELECT * FROM `marlovia`.`costlist` WHERE `cost_del` <> 1");
    if (memberId) statement.literal(" AND `user_id` =").id(*memberId);
    if (bounds) AppendPeriodFilter(statement, "`cost_date`", *bounds);
    if (Form().选择框_新纪录在最前->isChecked()) statement.literal(" ORDER BY `cost_id` DESC");
    return statement;
}

void AddNotesCell(HistoryRows& rows, const ConsumptionRecord& record) {
    if (!record.xm_id.empty()) {
        rows.addCell("1个项目");
        rows.extendCell(kNotesSeparator);
        rows.extendCell(record.cost_notes);
    } else if (record.xm_name.empty()) {
        rows.addCell(record.cost_notes);
    } else if (record.cost_notes.empty()) {
        rows.addCell(record.xm_name);
    } else {
        rows.addCell(record.xm_name);
        rows.extendCell(kNotesSeparator);
        rows.extendCell(record.cost_notes);
    }
}

// The nine cells of a record's row, packed at the end of rows.
void AddConsumptionRow(HistoryRows& rows, const ConsumptionRecord& record) {
    for (const std::string* text :
         {&record.cost_id, &record.user_id, &record.user_name, &record.cost_date, &record.xm_name,
          &record.xm_money, &record.cost_money})
        rows.addCell(*text);
    AddNotesCell(rows, record);
    rows.addCell("");
    if (!record.boss_id.empty()) {
        rows.extendCell("[");
        rows.extendCell(record.boss_id);
        rows.extendCell("]");
        rows.extendCell(record.boss_name);
    }
    rows.endRow();
}

// Away from the window's thread: the statement and the reading of its rows.
ConsumptionListing ReadConsumption(const Sql& statement) {
    ConsumptionListing listing;
    auto lock = LockSharedDatabase();
    GetSharedConnection();
    const int n = RunSharedQuery(statement);
    listing.answered = sharedResultSet != 0;
    ReserveHistoryRows(listing.rows, n);
    ReadConsumptionRows([&](ConsumptionRecord& record) {
        if (record.xm_name == "0个项目") record.xm_name.clear();
        AddConsumptionRow(listing.rows, record);
        listing.count += 1;
        listing.sum += ToInteger(record.cost_money);
    });
    FreeSharedResultSet();
    return listing;
}

void QueryConsumption(const std::optional<std::string>& memberId) {
    FillConsumptionList(ConsumptionList(), memberId, period ? period->bounds() : std::nullopt);
}

}  // namespace

std::string ConsumptionNotesCell(const ConsumptionRecord& record) {
    return ConsumptionRowCells(record)[kNotesCell];
}

std::vector<std::string> ConsumptionRowCells(const ConsumptionRecord& record) {
    HistoryRows row(kConsumptionCells);
    AddConsumptionRow(row, record);
    std::vector<std::string> cells;
    for (int column = 0; column < kConsumptionCells; ++column)
        cells.emplace_back(row.cell(0, column));
    return cells;
}

std::string ConsumptionTotalsText(int64_t count, int64_t sum) {
    return "统计消费" + std::to_string(count) + "次，合计总额" + std::to_string(sum) + "元";
}

std::string NotesBalloonText(const std::string& notesCell) {
    return ReplaceText(notesCell, std::string(20, ' '), "\r\n————————");
}

void ShowConsumptionHistoryPage() {
    if (loggedIn == 0) return;
    Form().选择夹1->setCurrentIndex(2);
    ListViewClear(ConsumptionList());
    // No figure stands beside an emptied list.
    SetText(Form().标签_消费管理_汇总信息, "");
    if (!Form().外形框_当前用户->isHidden()) QueryCurrentMemberConsumption();
}

void QueryAllMembersConsumption() {
    SetText(Form().编辑框_消费管理_查询类型, kAllMembersKind);
    SetText(Form().标签_消费管理_汇总信息, "");
    QueryConsumption(std::nullopt);
}

void QueryCurrentMemberConsumption() {
    SetText(Form().编辑框_消费管理_查询类型, kCurrentMemberKind);
    SetText(Form().标签_消费管理_汇总信息, "");
    if (Form().外形框_当前用户->isHidden()) {
        ListViewClear(ConsumptionList());
        return;
    }
    // A card number that names no member asks nothing: no rows, and no figure of a read
    // that never happened.
    const std::string card = TextOf(Form().编辑框_全局_卡号);
    if (!IsWholeNumber(card)) {
        ListViewClear(ConsumptionList());
        return;
    }
    QueryConsumption(card);
}

void FillConsumptionList(ListView* list, const std::optional<std::string>& memberId,
                         const std::optional<PeriodBounds>& bounds) {
    const HistoryFillScope filling;
    ListViewClear(list);
    const Sql statement = ConsumptionStatement(memberId, bounds);
    ConsumptionListing listing;
    // A card number that is no whole number has no records: nothing to ask the server.
    if (!memberId || IsWholeNumber(*memberId))
        WaitForWork([&] { listing = ReadConsumption(statement); });
    AppendHistoryRows(list, std::move(listing.rows));
    SetText(Form().标签_消费管理_汇总信息,
            listing.answered ? ConsumptionTotalsText(listing.count, listing.sum) : "");
}

void RerunConsumptionHistory() {
    if (period) period->rerun();
}

void ToggleConsumptionPeriodFilter() {
    if (period) period->toggleFilter();
}

void ShowConsumptionNotes() {
    ListView* list = ConsumptionList();
    const int row = ListViewCurrentRow(list);
    if (row < 0) return;
    const std::string text = NotesBalloonText(ListViewGetCell(list, row, 7));
    const int left = std::get<int>(GetUnitProperty(&TheMainWindow(), UnitProperty::Left));
    ShowBalloonTip(Form().气球提示框1, left + 660, MouseScreenY(), text, -1, true);
}

void ConnectConsumptionHistory(MainWindow& window) {
    auto& ui = window.ui;
    const HistoryPeriodUnits units{
        ui.选择框_消费管理_指定日期,
        ui.外形框_消费管理_指定日期,
        ui.日期框_消费管理_开始日期,
        ui.日期框_消费管理_结束日期,
        ui.编辑框_消费管理_查询类型,
        {ui.按钮_消费管理_今天, ui.按钮_消费管理_昨天, ui.按钮_消费管理_近7天,
         ui.按钮_消费管理_本月, ui.按钮_消费管理_上月, ui.按钮_消费管理_近30天}};
    period = new HistoryPeriod(units, {QueryAllMembersConsumption, QueryCurrentMemberConsumption},
                               &window);
    QObject::connect(ui.按钮_消费管理_所有用户, &QAbstractButton::clicked, &window,
                     [] { QueryAllMembersConsumption(); });
    QObject::connect(ui.按钮_消费管理_当前用户, &QAbstractButton::clicked, &window,
                     [] { QueryCurrentMemberConsumption(); });
    QObject::connect(ui.超级列表框_会员消费_消费列表, &ListView::currentRowChanged, &window,
                     [] { ShowConsumptionNotes(); });
    ConnectConsumptionDeletion(window);
}
