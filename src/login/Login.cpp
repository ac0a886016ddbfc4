#include "login/Login.h"

#include <QLineEdit>

#include "controls/EnterKey.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "login/ConfigFile.h"
#include "login/SignedInOperator.h"
#include "runtime/inifile.h"

namespace {

const char kFailureText[] = "登录失败，请检查网络或用户名密码。错误代码[528456621]";

void ShowLoginBalloon(const std::string& text) {
    MainWindow& window = TheMainWindow();
    ShowBalloonTip(window.ui.气球提示框1, window.x() + 130, window.y() + 470, text, 0, true);
}

}  // namespace

bool CheckOperatorLogin() {
    auto& ui = TheMainWindow().ui;
    const std::string password = TextOf(ui.编辑框_密码);
    std::string key;
    {
        auto lock = LockSharedDatabase();
        Sql statement("SELECT * FROM bosslist WHERE boss_tel = '");
        statement.text(TextOf(ui.编辑框_用户名)).literal("'");
        if (!ExecuteSharedRead(statement)) return false;
        DbHandle result = DbTakeRecordset(sharedConnection);
        RecordsetReadField(result, "boss_key", key);
        RecordsetReadField(result, "boss_id", operatorId);
        RecordsetReadField(result, "boss_name", operatorName);
        RecordsetReadField(result, "boss_tel", operatorTel);
        FreeResultSet(result);
    }
    return key == password;
}

void PerformLogin() {
    auto& ui = TheMainWindow().ui;
    SetText(ui.编辑框_用户名, ComboBoxText(ui.组合框_登录用户名));
    if (TextOf(ui.编辑框_用户名).empty() || TextOf(ui.编辑框_密码).empty()) {
        ShowMessageBox("您输入的用户名或密码错误", 16, "温馨提示");
        return;
    }
    if (CheckOperatorLogin()) {
        IniWrite(ConfigFilePath(), kLoginSection, kLastLoginKey, TextOf(ui.编辑框_用户名));
        loggedIn = 1;
        ui.编辑框_用户名->setEnabled(false);
        ui.编辑框_密码->setEnabled(false);
        ui.按钮_登录系统->setEnabled(false);
        ui.组合框_登录用户名->setEnabled(false);
        SetText(ui.按钮_登录系统, "登录成功");
        ShowLoginBalloon("登录成功");
        return;
    }
    ShowLoginBalloon(kFailureText);
    SetInputFocus(ui.编辑框_密码);
}

void OnLoginNameKeyDown(int keyCode) {
    if (keyCode == kEnterKeyCode) SetInputFocus(TheMainWindow().ui.编辑框_密码);
}

void OnPasswordKeyDown(int keyCode) {
    if (keyCode == kEnterKeyCode) PerformLogin();
}

void ConnectLogin(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.按钮_登录系统, &QPushButton::clicked, &window, [] { PerformLogin(); });
    InstallEnterKeyHandler(ui.编辑框_用户名, OnLoginNameKeyDown);
    InstallEnterKeyHandler(ui.编辑框_密码, OnPasswordKeyDown);
}
