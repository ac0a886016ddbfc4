#include "members/MemberPanel.h"

#include "controls/TextButton.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "login/ConfigFile.h"
#include "members/MemberPanelSteps.h"
#include "members/Peers.h"
#include "runtime/inifile.h"
#include "runtime/texts.h"

void OpenNewMemberPanel() {
    auto& ui = TheMainWindow().ui;
    ui.选择框_关闭时刷新用户列表->setChecked(false);
    ui.外形框_快速消费->hide();
    SetMemberPanelCreateMode(true);
    SetText(ui.标签_充值信息提示, "");
    SetText(ui.编辑框_新增会员_姓名, "");
    SetText(ui.编辑框_新增会员_手机号, "");
    SetUnitProperty(ui.日期框_充值管理_自定义时间, UnitProperty::DateValue, CurrentDateTime());
    SetText(ui.组合框_充值管理_充值方式,
            IniRead(ConfigFilePath(), kRechargeSection, kPaymentMethodKey));
    ShowMemberPanelUnder(ui.按钮_新增会员);
    SetInputFocus(ui.编辑框_新增会员_姓名);
    SetText(ui.编辑框_新增会员_卡号, NextCardNumber());
}

void FetchCardNumber() {
    auto& ui = TheMainWindow().ui;
    SetText(ui.编辑框_新增会员_卡号, NextCardNumber());
    SetInputFocus(ui.编辑框_新增会员_卡号);
}

// The database computes the number; with no members its NULL reads as the empty text.
std::string NextCardNumber() {
    std::string next;
    auto lock = LockSharedDatabase();
    if (!ExecuteSharedRead(Sql("SELECT MAX(user_id)+1 AS max_id FROM userlist"))) return next;
    DbHandle result = DbTakeRecordset(sharedConnection);
    RecordsetReadField(result, "max_id", next);
    FreeResultSet(result);
    return next;
}

void ConfirmMemberPanel() {
    auto* amountBox = TheMainWindow().ui.编辑框_新增会员_充值金额;
    auto amount = [amountBox] { return ToInteger(TextOf(amountBox)); };
    if (MemberPanelInCreateMode() && amount() == 0) {
        CreateMember();
    } else if (MemberPanelInCreateMode() && amount() != 0) {
        CreateMemberWithFirstRecharge();
    } else if (!MemberPanelInCreateMode() && amount() != 0) {
        Peers().rechargeExistingMember();
    }
}

void CloseMemberPanel() {
    auto& ui = TheMainWindow().ui;
    ui.外形框_新增会员->hide();
    if (ui.选择框_关闭时刷新用户列表->isChecked()) ReloadMemberLists();
}

void ConnectMemberPanel(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.按钮_新增会员, &QAbstractButton::clicked, &window,
                     [] { OpenNewMemberPanel(); });
    QObject::connect(ui.按钮_会员管理_新增会员_获取卡号, &QAbstractButton::clicked, &window,
                     [] { FetchCardNumber(); });
    QObject::connect(ui.按钮_会员管理_新增会员_确定, &TextButton::leftButtonDown, &window,
                     [] { ConfirmMemberPanel(); });
    QObject::connect(ui.按钮_会员管理_新增会员_取消, &TextButton::leftButtonDown, &window,
                     [] { CloseMemberPanel(); });
}
