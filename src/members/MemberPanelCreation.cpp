// Creating a member, alone or with a first recharge.
#include "common/Notices.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberPanel.h"
#include "members/MemberPanelCardClaim.h"
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
    return Peers().storeRecharge(recharge);
}

MemberStoreResult StoreOnSharedConnection(const MemberRecord& record) {
    auto lock = LockSharedDatabase();
    const MemberStoreResult result = StoreMemberIfCardFree(sharedConnection, record);
    if (result != MemberStoreResult::Unknown) return result;
    // The answer was lost, not necessarily the row: look before reporting a failure that
    // would invite a second member. The keeper renews the lost connection.
    GetSharedConnection();
    return LookUpStoredMember(sharedConnection, record);
}

// The member of the panel, after the tests; ticks the reload flag once it is stored.
bool StoreMemberFromPanel(RefusalReport report) {
    const MemberRecord record = MemberRecordFromPanel();
    if (!MemberMayBeCreated(record, report)) return false;
    const MemberStoreResult result = StoreOnSharedConnection(record);
    if (result == MemberStoreResult::CardTaken) ReportCardTaken(report);
    if (result != MemberStoreResult::Stored) return false;
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
    if (!StoreFirstRecharge()) {
        ShowMessageBox(kRechargeErrorText, 16, "错误提示");
        // The member is stored: the panel now recharges it, so that 确定 retries the
        // recharge and never creates the member again. "Go on creating" is not asked.
        SetMemberPanelCreateMode(false);
        SetInputFocus(ui.编辑框_新增会员_充值金额);
        return;
    }
    // Half a second between the two notices; no lock is held meanwhile.
    WaitMilliseconds(500);
    ShowNotice("充值成功");
    SetText(ui.编辑框_新增会员_充值金额, "");
    SetText(ui.编辑框_新增会员_充值赠送, "");
    SetText(ui.标签_充值信息提示, "");
    if (AskToGoOnCreating()) {
        ContinueWithNextMember();
        return;
    }
    ui.外形框_新增会员->hide();
    SetText(ui.编辑框_新增会员_姓名, "");
    SetText(ui.编辑框_新增会员_手机号, "");
    ReloadMemberLists();
}
