#include "consumption/Checkout.h"

#include "common/PlainAmount.h"
#include "consumption/CheckoutRecord.h"
#include "consumption/CheckoutTransaction.h"
#include "controls/TextButton.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberList.h"
#include "members/SelectedMemberRefresh.h"
#include "runtime/texts.h"

namespace {

void ShowCheckoutBalloon(const std::string& text) {
    ShowBalloonTip(TheMainWindow().ui.气球提示框1, MouseScreenX(), MouseScreenY(), text, -1);
}

// The panel's balance was out of date: the member's row, its spare twin (and so the strip)
// and the panel take the database's figures, and the bill stays to be changed. The balance
// the check read stands on the panel when the refresh cannot reach the row.
void RefuseUncoveredBill(int64_t balance) {
    auto& ui = TheMainWindow().ui;
    SetText(ui.编辑框_快速消费_现有余额, NumberToText(static_cast<double>(balance)));
    RefreshSelectedMemberTotals(QuickConsumeBill::Keep);
    MirrorMemberRows(true);
    const int64_t after = ToInteger(TextOf(ui.编辑框_快速消费_现有余额)) -
                          ToInteger(TextOf(ui.编辑框_快速消费_消费总金额));
    SetText(ui.编辑框_快速消费_消费后余额, NumberToText(static_cast<double>(after)));
    ShowBalloonTip(ui.气球提示框1, MouseScreenX(), MouseScreenY(), "余额不足，不能消费", -1, true);
}

// The refresh resets the panel only when it reaches it (a selected row with a card
// number); a bill left standing would be charged a second time by the next press.
void ClearSettledBill() {
    auto& ui = TheMainWindow().ui;
    if (TextOf(ui.编辑框_快速消费_消费总金额).empty()) return;
    ListBoxClear(ui.列表框_快速消费_结账清单);
    SetText(ui.编辑框_快速消费_消费总金额, "");
    SetText(ui.编辑框_快速消费_消费后余额, "");
    SetText(ui.编辑框_快速消费_消费项目数, "");
}

}  // namespace

void CheckoutBill() {
    auto& ui = TheMainWindow().ui;
    const std::string total = TextOf(ui.编辑框_快速消费_消费总金额);
    if (ToInteger(total) <= 0 || !IsPlainAmount(total, AmountSign::PositiveOnly)) return;
    GetSharedConnection();
    ConsumptionRecord record = ConsumptionRecordFromPanel();
    BalanceCheck check;
    const WriteOutcome outcome = StoreBillOnce(record, check);
    if (outcome != WriteOutcome::Stored) {
        if (check.covered)
            ShowCheckoutBalloon("操作失败，请检查网络及数据库");
        else
            RefuseUncoveredBill(check.balance);
        if (!check.memberLive) DropDeletedMember();
        return;
    }
    SetText(ui.编辑框_快速消费_备注, "");
    ShowCheckoutBalloon("操作成功");
    RefreshSelectedMemberTotals();
    MirrorMemberRows(true);
    ClearSettledBill();
}

bool InsertConsumptionRecord(ConsumptionRecord& record) {
    record.cost_del = kLiveFlag;
    Sql statement(
        "INSERT INTO `costlist`(`cost_notes`,`cost_money`,`cost_del`,`cost_date`,`xm_id`,"
        "`xm_name`,`xm_money`,`user_id`,`user_name`,`boss_id`,`boss_name`) VALUES ('");
    statement
        .texts({record.cost_notes, record.cost_money, record.cost_del, record.cost_date,
                record.xm_id, record.xm_name, record.xm_money, record.user_id, record.user_name,
                record.boss_id, record.boss_name})
        .literal("')");
    auto lock = LockSharedDatabase();
    return DbExecute(sharedConnection, statement);
}

void ConnectCheckout(MainWindow& window) {
    QObject::connect(window.ui.按钮_快速消费_确定结账, &TextButton::leftButtonDown, &window,
                     [] { CheckoutBill(); });
}
