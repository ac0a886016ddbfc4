#include "backoffice/Operators.h"

#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "common/Notices.h"
#include "controls/EnterKey.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "db/sql.h"
#include "db/write_once.h"
#include "form/MainWindow.h"
#include "form/StartWindow.h"
#include "login/SignedInOperator.h"
#include "runtime/texts.h"

namespace {

Ui::MainWindow& Form() { return TheMainWindow().ui; }

// Stored once: a lost answer is looked up before the failure is told or the next press
// sends the operator again (which the login name's key would then refuse).
bool InsertOperator(const std::string& loginName, const std::string& name,
                    const std::string& password) {
    static WriteOnce operators("boss_tel");
    const RowValues row{"bosslist",
                        {{"boss_tel", loginName}, {"boss_name", name}, {"boss_key", password}}};
    return operators.Write(row, [&](DbHandle connection) {
        Sql statement(
            "INSERT INTO `marlovia`.`bosslist`(`boss_tel`, `boss_name`, `boss_key`) VALUES ('");
        statement.text(loginName).literal("', '").text(name).literal("', '").text(password);
        statement.literal("')");
        return InsertOutcome(connection, DbExecute(connection, statement));
    }) == WriteOutcome::Stored;
}

// The signed-in operator's password as stored now, compared byte for byte.
std::optional<bool> PasswordIs(DbHandle connection, const std::string& password) {
    Sql lookup("SELECT `boss_key` FROM `marlovia`.`bosslist` WHERE `boss_id` = ");
    lookup.id(operatorId);
    if (!DbExecute(connection, lookup)) return std::nullopt;
    DbHandle rows = DbTakeRecordset(connection);
    std::string stored;
    RecordsetReadField(rows, "boss_key", stored);
    const bool found = RecordsetRowCount(rows) == 1;
    FreeResultSet(rows);
    return found && stored == password;
}

// By the operator's id: the login name would also match rows that differ only in letter case
// or trailing blanks. A row gone since the login changes nothing, and that is no success. A
// lost answer is looked up: the operator must learn which password now signs in.
bool UpdateOwnPassword(const std::string& password) {
    auto lock = LockSharedDatabase();
    const DbHandle connection = GetSharedConnection();
    const uint64_t session = DbSessionId(connection);
    Sql statement("UPDATE `marlovia`.`bosslist` SET `boss_key` = '");
    statement.text(password).literal("' WHERE `boss_id` = ").id(operatorId);
    if (DbExecute(connection, statement)) return DbRowsChanged(connection) > 0;
    if (DbLastOutcome(connection) != DbOutcome::Unknown) return false;
    return SettleLostStatement(session, [&](DbHandle fresh) {
               return PasswordIs(fresh, password);
           }) == WriteOutcome::Stored;
}

void RefuseNewPassword(const std::string& message) {
    ShowMessageBox(message, 0, "温馨提示");
    SetInputFocus(Form().编辑框_输入新密码);
}

}  // namespace

void AddOperator() {
    auto& ui = Form();
    const std::string name = TextOf(ui.编辑框_新增管理员_姓名);
    const std::string loginName = TextOf(ui.编辑框_新增管理员_手机号);
    const std::string password = TextOf(ui.编辑框_新增管理员_密码);
    if (name.empty() || loginName.empty() || password.empty()) {
        ShowNotice("姓名、手机号、密码都不能为空，请重试");
        if (name.empty()) SetInputFocus(ui.编辑框_新增管理员_姓名);
        if (loginName.empty()) SetInputFocus(ui.编辑框_新增管理员_手机号);
        if (password.empty()) SetInputFocus(ui.编辑框_新增管理员_密码);
        return;
    }
    if (password != TextOf(ui.编辑框_新增管理员_密码确认)) {
        ShowNotice("两次输入密码不一样，请重试");
        SetInputFocus(ui.编辑框_新增管理员_密码确认);
        return;
    }
    // A login name already taken is refused by the table's unique key.
    if (!InsertOperator(loginName, name, password)) {
        ShowNotice("新增管理员失败，请联系管理员，错误代码[0452155855]");
        return;
    }
    ShowNotice("操作成功，你可以使用新账户登录系统");
    for (QLineEdit* box : {ui.编辑框_新增管理员_姓名, ui.编辑框_新增管理员_手机号,
                           ui.编辑框_新增管理员_密码, ui.编辑框_新增管理员_密码确认})
        SetText(box, "");
}

void ChangePassword() {
    auto& ui = Form();
    const std::string newPassword = TextOf(ui.编辑框_输入新密码);
    const std::string again = TextOf(ui.编辑框_新密码确认);
    if (newPassword.empty() || again.empty() || newPassword != again) {
        RefuseNewPassword("两次输入密码不一样，请重试");
        return;
    }
    if (newPassword == TextOf(ui.编辑框_密码)) {
        RefuseNewPassword("你输入的新密码和原密码一致，无需修改");
        return;
    }
    // The table stores GBK: a password it cannot hold could never be typed at the login.
    if (!FitsGbk(newPassword) || !UpdateOwnPassword(newPassword)) {
        ShowMessageBox("修改失败，请联系管理员", 16, "错误代码[0452155855]");
        return;
    }
    ShowMessageBox("修改成功，需要重新登录", 0, "温馨提示");
    EndProgram(0);
}

void OnNewPasswordKeyDown(int keyCode) {
    if (keyCode == kEnterKeyCode) SetInputFocus(Form().编辑框_新密码确认);
}

void OnNewPasswordAgainKeyDown(int keyCode) {
    if (keyCode == kEnterKeyCode) ChangePassword();
}

void ConnectOperators(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.按钮_系统设置_新增管理员_确认, &QAbstractButton::clicked, &window,
                     [] { AddOperator(); });
    QObject::connect(ui.按钮_修改密码确认, &QAbstractButton::clicked, &window,
                     [] { ChangePassword(); });
    InstallEnterKeyHandler(ui.编辑框_输入新密码, OnNewPasswordKeyDown);
    InstallEnterKeyHandler(ui.编辑框_新密码确认, OnNewPasswordAgainKeyDown);
}
