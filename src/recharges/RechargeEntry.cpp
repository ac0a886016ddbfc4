#include "recharges/RechargeEntry.h"

#include <QComboBox>
#include <QLineEdit>

#include "common/Notices.h"
#include "controls/AmountValidator.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "login/ConfigFile.h"
#include "members/MemberList.h"
#include "members/MemberPanelSteps.h"
#include "members/SelectedMemberRefresh.h"
#include "runtime/inifile.h"
#include "runtime/texts.h"

void OpenRechargePanel() {
    auto& ui = TheMainWindow().ui;
    ui.外形框_快速消费->hide();
    ListView* list = ui.超级列表框_会员管理_会员列表;
    const int row = ListViewCurrentRow(list);
    if (row == -1) return;
    const std::string cardNumber = ListViewGetCell(list, row, 0);
    const std::string name = ListViewGetCell(list, row, 1);
    if (cardNumber.empty()) return;
    ShowMemberPanelUnder(ui.按钮_充值);
    SetText(ui.编辑框_新增会员_充值金额, "");
    SetText(ui.编辑框_新增会员_充值赠送, "");
    SetText(ui.组合框_充值管理_充值方式,
            IniRead(ConfigFilePath(), kRechargeSection, kPaymentMethodKey));
    SetUnitProperty(ui.日期框_充值管理_自定义时间, UnitProperty::DateValue, CurrentDateTime());
    SetText(ui.编辑框_新增会员_卡号, cardNumber);
    SetText(ui.编辑框_新增会员_姓名, name);
    SetText(ui.编辑框_新增会员_手机号, ListViewGetCell(list, row, 2));
    SetMemberPanelCreateMode(false);
    SetInputFocus(ui.编辑框_新增会员_充值金额);
}

void UpdateRechargePreview() {
    auto& ui = TheMainWindow().ui;
    const double amount = ToInteger(TextOf(ui.编辑框_新增会员_充值金额));
    const double bonus = ToInteger(TextOf(ui.编辑框_新增会员_充值赠送));
    SetText(ui.标签_充值信息提示, "充值后可用余额:" + NumberToText(amount + bonus) + "元");
}

void SaveDefaultPaymentMethod() {
    IniWrite(ConfigFilePath(), kRechargeSection, kPaymentMethodKey,
             TextOf(TheMainWindow().ui.组合框_充值管理_充值方式));
}

void RechargeExistingMember() {
    auto& ui = TheMainWindow().ui;
    RechargeRecord record = RechargeRecordFromPanel();
    GetSharedConnection();
    const RechargeOutcome outcome = StoreRechargeOnceWithOutcome(record);
    if (outcome != RechargeOutcome::Stored) {
        ShowNotice(kRechargeErrorText);
        SetInputFocus(ui.编辑框_新增会员_充值金额);
        if (outcome == RechargeOutcome::MemberGone) DropDeletedMember();
        return;
    }
    ShowNotice("充值成功");
    SetText(ui.编辑框_新增会员_充值金额, "");
    SetText(ui.编辑框_新增会员_充值赠送, "");
    SetText(ui.标签_充值信息提示, "");
    ui.外形框_新增会员->hide();
    RefreshSelectedMemberTotals();
    MirrorMemberRows(true);
}

// Program writes to the amount boxes update the preview too, so that it never shows a sum
// of texts no longer there. The payment method is saved when the operator picks one (mouse,
// keys or wheel); the openings' presets only put back what is saved.
void ConnectRechargeEntry(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.按钮_充值, &QAbstractButton::clicked, &window, [] { OpenRechargePanel(); });
    for (QLineEdit* box : {ui.编辑框_新增会员_充值金额, ui.编辑框_新增会员_充值赠送}) {
        // A negative amount is stored as typed and takes money off the card.
        box->setValidator(new AmountValidator(AmountValidator::Sign::MayBeNegative, box));
        QObject::connect(box, &QLineEdit::textChanged, &window, [] { UpdateRechargePreview(); });
    }
    QObject::connect(ui.组合框_充值管理_充值方式, &QComboBox::activated, &window,
                     [] { SaveDefaultPaymentMethod(); });
}
