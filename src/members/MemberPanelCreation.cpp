// Creating a member, alone or with a first recharge.
#include "common/Notices.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberPanel.h"
#include "members/MemberPanelSteps.h"
#include "members/Peers.h"
#include "runtime/clock.h"

namespace {

void ReportInNotice(const std::string& message, const std::string& /*title*/) {
    ShowNotice(message);
}

void ReportInMessageBox(const std::string& message, const std::string& title) {
    ShowMessageBox(message, 16, title);
}

bool StoreFirstRecharge() {
    RechargeRecord recharge = Peers().rechargeRecordFromPanel();
    return Peers().insertRechargeRecord(recharge);
}

// The member of the panel, after the tests; ticks the reload flag once it is stored.
bool StoreMemberFromPanel(RefusalReport report) {
    const MemberRecord record = MemberRecordFromPanel();
    if (!MemberMayBeCreated(record, report)) return false;
    if (!InsertMemberRecord(record)) return false;
    TheMainWindow().ui.选择框_关闭时刷新用户列表->setChecked(true);
    return true;
}

// OK to "go on creating": a fresh card suggestion and the name box to type in.
void ContinueWithNextMember() {
    FetchCardNumber();
    SetInputFocus(TheMainWindow().ui.编辑框_新增会员_姓名);
}

}  // namespace

void CreateMember() {
    auto& ui = TheMainWindow().ui;
    if (!StoreMemberFromPanel(ReportInNotice)) return;
    SetText(ui.编辑框_新增会员_姓名, "");
    SetText(ui.编辑框_新增会员_手机号, "");
    if (AskToGoOnCreating()) {
        ContinueWithNextMember();
        return;
    }
    ui.外形框_新增会员->hide();
    ReloadMemberLists();
}

void CreateMemberWithFirstRecharge() {
    auto& ui = TheMainWindow().ui;
    if (!StoreMemberFromPanel(ReportInMessageBox)) return;
    ShowNotice("用户新建成功，开始直接收费...");
    if (StoreFirstRecharge()) {
        // Half a second between the two notices; no lock is held meanwhile.
        WaitMilliseconds(500);
        ShowNotice("充值成功");
        SetText(ui.编辑框_新增会员_充值金额, "");
        SetText(ui.编辑框_新增会员_充值赠送, "");
        SetText(ui.标签_充值信息提示, "");
    } else {
        ShowMessageBox(kRechargeErrorText, 16, "错误提示");
        SetInputFocus(ui.编辑框_新增会员_充值金额);
    }
    if (AskToGoOnCreating()) {
        ContinueWithNextMember();
        return;
    }
    ui.外形框_新增会员->hide();
    SetText(ui.编辑框_新增会员_姓名, "");
    SetText(ui.编辑框_新增会员_手机号, "");
    ReloadMemberLists();
}

bool InsertMemberRecord(const MemberRecord& record) {
    // The duplicate check cannot look up a card number that is not a whole number, and the
    // server would store such a text (" 12", "+12", "12.0") as a number that may be taken.
    if (!IsWholeNumber(record.user_id)) return false;
    Sql statement(
        "INSERT INTO `userlist`(`user_id`,`user_del`,`user_name`,`user_tel`,`user_key`,"
        "`user_add`,`user_wxid`,`user_notes`) VALUES ('");
    statement
        .texts({record.user_id, record.user_del, record.user_name, record.user_tel, record.user_key,
                record.user_add, record.user_wxid, record.user_notes})
        .literal("')");
    auto lock = LockSharedDatabase();
    return DbExecute(sharedConnection, statement);
}
