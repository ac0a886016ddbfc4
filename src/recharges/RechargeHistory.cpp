#include "recharges/RechargeHistory.h"

#include <QPointer>

#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "db/sql.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"
#include "periods/HistoryPeriod.h"
#include "periods/HistoryRows.h"
#include "recharges/RechargeDeletion.h"
#include "runtime/texts.h"

namespace {

QPointer<HistoryPeriod> period;

Ui::MainWindow& Form() { return TheMainWindow().ui; }
ListView* RechargeList() { return Form().超级列表框_会员充值_充值列表; }

constexpr int kRechargeCells = 10;

struct RechargeListing {
    HistoryRows rows{kRechargeCells};
    // False when the statement failed: then there is no figure to show, not a 0.
    bool answered = true;
    int64_t count = 0, paid = 0, bonus = 0, total = 0;
};

Sql RechargeStatement(const std::optional<std::string>& memberId,
                      const std::optional<PeriodBounds>& bounds) {
    Sql statement("SELECT * FROM `marlovia`.`paylist` WHERE `pay_del` <> 1");
    if (memberId) statement.literal(" AND `user_id` =").id(*memberId);
    if (bounds) AppendPeriodFilter(statement, "`pay_time`", *bounds);
    if (Form().选择框_新纪录在最前->isChecked()) statement.literal(" ORDER BY `pay_id` DESC");
    return statement;
}

// The ten cells of a record's row, packed at the end of rows.
void AddRechargeRow(HistoryRows& rows, const RechargeRecord& record) {
    for (const std::string* text :
         {&record.pay_id, &record.user_id, &record.user_name, &record.pay_time, &record.pay_money,
          &record.pay_give, &record.pay_total, &record.pay_method, &record.pay_notes})
        rows.addCell(*text);
    rows.addCell("[");
    rows.extendCell(record.boss_id);
    rows.extendCell("]");
    rows.extendCell(record.boss_name);
    rows.endRow();
}

// Away from the window's thread: the statement and the reading of its rows.
RechargeListing ReadRecharges(const Sql& statement) {
    RechargeListing listing;
    auto lock = LockSharedDatabase();
    GetSharedConnection();
    const int n = RunSharedQuery(statement);
    listing.answered = sharedResultSet != 0;
    ReserveHistoryRows(listing.rows, n);
    ReadRechargeRows([&](RechargeRecord& record) {
        if (ToInteger(record.pay_give) == 0) record.pay_give.clear();
        AddRechargeRow(listing.rows, record);
        listing.count += 1;
        listing.paid += ToInteger(record.pay_money);
        listing.bonus += ToInteger(record.pay_give);
        listing.total += ToInteger(record.pay_total);
    });
    FreeSharedResultSet();
    return listing;
}

void QueryRecharges(const std::optional<std::string>& memberId) {
    FillRechargeList(RechargeList(), memberId, period ? period->bounds() : std::nullopt);
}

}  // namespace

std::vector<std::string> RechargeRowCells(const RechargeRecord& record) {
    HistoryRows row(kRechargeCells);
    AddRechargeRow(row, record);
    std::vector<std::string> cells;
    for (int column = 0; column < kRechargeCells; ++column) cells.emplace_back(row.cell(0, column));
    return cells;
}

std::string RechargeTotalsText(int64_t count, int64_t paid, int64_t bonus, int64_t total) {
    return "充值" + std::to_string(count) + "次，实付" + std::to_string(paid) + "元，赠送" +
           std::to_string(bonus) + "元，合计" + std::to_string(total) + "元";
}

void ShowRechargeHistoryPage() {
    if (loggedIn == 0) return;
    Form().选择夹1->setCurrentIndex(1);
    ListViewClear(RechargeList());
    // No figure stands beside an emptied list.
    SetText(Form().标签_充值管理_汇总信息, "");
    if (!Form().外形框_当前用户->isHidden()) QueryCurrentMemberRecharges();
}

void QueryAllMembersRecharges() {
    SetText(Form().编辑框_充值管理_查询类型, kAllMembersKind);
    SetText(Form().标签_充值管理_汇总信息, "");
    QueryRecharges(std::nullopt);
}

void QueryCurrentMemberRecharges() {
    SetText(Form().编辑框_充值管理_查询类型, kCurrentMemberKind);
    SetText(Form().标签_充值管理_汇总信息, "");
    if (Form().外形框_当前用户->isHidden()) {
        ListViewClear(RechargeList());
        return;
    }
    // A card number that names no member asks nothing: no rows, and no figure of a read
    // that never happened.
    const std::string card = TextOf(Form().编辑框_全局_卡号);
    if (!IsWholeNumber(card)) {
        ListViewClear(RechargeList());
        return;
    }
    QueryRecharges(card);
}

void FillRechargeList(ListView* list, const std::optional<std::string>& memberId,
                      const std::optional<PeriodBounds>& bounds) {
    const HistoryFillScope filling;
    ListViewClear(list);
    const Sql statement = RechargeStatement(memberId, bounds);
    RechargeListing listing;
    // A card number that is no whole number has no records: nothing to ask the server.
    if (!memberId || IsWholeNumber(*memberId))
        WaitForWork([&] { listing = ReadRecharges(statement); });
    AppendHistoryRows(list, std::move(listing.rows));
    SetText(Form().标签_充值管理_汇总信息,
            listing.answered
                ? RechargeTotalsText(listing.count, listing.paid, listing.bonus, listing.total)
                : "");
}

void RerunRechargeHistory() {
    if (period) period->rerun();
}

void ToggleRechargePeriodFilter() {
    if (period) period->toggleFilter();
}

void ConnectRechargeHistory(MainWindow& window) {
    auto& ui = window.ui;
    const HistoryPeriodUnits units{
        ui.选择框_充值管理_指定日期,
        ui.外形框_充值管理_指定日期,
        ui.日期框_充值管理_开始日期,
        ui.日期框_充值管理_结束日期,
        ui.编辑框_充值管理_查询类型,
        {ui.按钮_充值管理_今天, ui.按钮_充值管理_昨天, ui.按钮_充值管理_近7天,
         ui.按钮_充值管理_本月, ui.按钮_充值管理_上月, ui.按钮_充值管理_近30天}};
    period =
        new HistoryPeriod(units, {QueryAllMembersRecharges, QueryCurrentMemberRecharges}, &window);
    QObject::connect(ui.按钮_充值管理_所有用户, &QAbstractButton::clicked, &window,
                     [] { QueryAllMembersRecharges(); });
    QObject::connect(ui.按钮_充值管理_当前用户, &QAbstractButton::clicked, &window,
                     [] { QueryCurrentMemberRecharges(); });
    ConnectRechargeDeletion(window);
}
