#include "members/MemberPanelSteps.h"

#include "common/Threads.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberList.h"

const char kRechargeErrorText[] = "充值错误\r\n\r\n请你检查网络或者数据库连接，如有疑问联系开发者";

void ShowMemberPanelUnder(QWidget* button) {
    QWidget* panel = TheMainWindow().ui.外形框_新增会员;
    panel->move(button->x(), button->y() + button->height() + 5);
    panel->show();
}

void SetMemberPanelCreateMode(bool create) {
    auto& ui = TheMainWindow().ui;
    for (QWidget* unit : {static_cast<QWidget*>(ui.编辑框_新增会员_卡号),
                          static_cast<QWidget*>(ui.编辑框_新增会员_姓名),
                          static_cast<QWidget*>(ui.编辑框_新增会员_手机号),
                          static_cast<QWidget*>(ui.按钮_会员管理_新增会员_获取卡号)})
        SetUnitProperty(unit, UnitProperty::Disabled, !create);
}

bool MemberPanelInCreateMode() {
    return !std::get<bool>(
        GetUnitProperty(TheMainWindow().ui.编辑框_新增会员_姓名, UnitProperty::Disabled));
}

MemberRecord MemberRecordFromPanel() {
    auto& ui = TheMainWindow().ui;
    MemberRecord record;
    record.user_id = TextOf(ui.编辑框_新增会员_卡号);
    record.user_del = kLiveFlag;
    record.user_name = TextOf(ui.编辑框_新增会员_姓名);
    record.user_tel = TextOf(ui.编辑框_新增会员_手机号);
    return record;
}

namespace {

// A statement that fails counts as no row: the card then counts as free.
bool CardNumberTaken(const std::string& cardNumber) {
    Sql check("SELECT * FROM userlist WHERE user_id = ");
    check.id(cardNumber);
    auto lock = LockSharedDatabase();
    const int rows = RunSharedQuery(check);
    FreeSharedResultSet();
    return rows != 0;
}

}  // namespace

bool MemberMayBeCreated(const MemberRecord& record, RefusalReport report) {
    auto& ui = TheMainWindow().ui;
    GetSharedConnection();
    if (record.user_id.empty()) {
        report("用户卡号为空，无能新建", "温馨提示");
        SetInputFocus(ui.编辑框_新增会员_卡号);
        return false;
    }
    if (record.user_name.empty() && record.user_tel.empty()) {
        report("会员姓名和手机号不能同时为空，请重新输入", "温馨提示");
        if (TextOf(ui.编辑框_新增会员_姓名).empty()) SetInputFocus(ui.编辑框_新增会员_姓名);
        if (TextOf(ui.编辑框_新增会员_手机号).empty()) SetInputFocus(ui.编辑框_新增会员_手机号);
        return false;
    }
    if (CardNumberTaken(record.user_id)) {
        report("这个卡号系统中已经存在，请重新输入", "错误提示");
        SetInputFocus(ui.编辑框_新增会员_卡号);
        return false;
    }
    return true;
}

bool AskToGoOnCreating() {
    return ShowMessageBox("操作成功，是否继续新增会员", 1, "温馨提示") == 0;
}

void ReloadMemberLists() {
    auto& ui = TheMainWindow().ui;
    LoadMemberList(ui.超级列表框_会员管理_会员列表, ui.超级列表框_会员管理_会员列表备用);
    StartThread(ComputedColumnsThreadEntry);
}
