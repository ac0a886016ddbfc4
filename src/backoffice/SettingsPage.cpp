#include "backoffice/SettingsPage.h"

#include <QCheckBox>
#include <QPushButton>

#include "backoffice/ServiceItems.h"
#include "controls/UnitProperties.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "login/ConfigFile.h"
#include "login/SignedInOperator.h"
#include "runtime/inifile.h"

namespace {

Ui::MainWindow& Form() { return TheMainWindow().ui; }

// Set while an opening runs: a click that reached the window before its password question
// must not open another panel in the middle of it.
bool opening = false;

struct OpeningScope {
    OpeningScope() { opening = true; }
    ~OpeningScope() { opening = false; }
};

void HideSubPanels() {
    Form().外形框_修改密码->hide();
    Form().外形框_系统设置_新增管理员->hide();
    Form().外形框_修改消费项目->hide();
}

// The window repaints without the sub-panels; mouse and keys wait until the opening is over.
void HideSubPanelsAndRepaint() {
    HideSubPanels();
    ProcessPendingEventsExceptInput();
}

void PlaceUnder(QWidget* panel, QWidget* button) {
    panel->move(button->x(), button->y() + button->height() + 5);
    panel->show();
}

void OpenGuardedPanel(QWidget* panel, QWidget* button, QWidget* firstBox, const std::string& prompt,
                      const std::string& title) {
    if (opening) return;
    const OpeningScope scope;
    HideSubPanelsAndRepaint();
    if (!ConfirmPasswordAgain(prompt, title)) return;
    PlaceUnder(panel, button);
    SetInputFocus(firstBox);
}

}  // namespace

void ShowSettingsPage() {
    if (loggedIn == 0) return;
    Form().选择夹1->setCurrentIndex(3);
    Form().外形框_系统设置->show();
    HideSubPanels();
}

void OpenServiceItemPanel() {
    if (opening) return;
    const OpeningScope scope;
    HideSubPanelsAndRepaint();
    PlaceUnder(Form().外形框_修改消费项目, Form().按钮_系统设置_修改消费项目);
    LoadServiceItems();
}

void OpenAddOperatorPanel() {
    OpenGuardedPanel(Form().外形框_系统设置_新增管理员, Form().按钮_系统设置_新增管理员,
                     Form().编辑框_新增管理员_姓名, "新增管理员需要二次确认密码，请输入",
                     "密码二次确认");
}

void OpenChangePasswordPanel() {
    OpenGuardedPanel(Form().外形框_修改密码, Form().按钮_系统设置_修改密码,
                     Form().编辑框_输入新密码, "修改密码需要二次确认原密码，请输入",
                     "原密码二次确认");
}

bool ConfirmPasswordAgain(const std::string& prompt, const std::string& title) {
    std::string typed;
    if (!ShowInputBox(prompt, title, nullptr, typed, 4)) return false;
    if (typed != TextOf(Form().编辑框_密码)) {
        ShowMessageBox("密码验证错误，不能修改", 0, "温馨提示");
        return false;
    }
    return true;
}

void SaveListOrderOption() {
    const bool ticked = Form().选择框_新纪录在最前->isChecked();
    IniWrite(ConfigFilePath(), kListOrderSection, kNewestFirstKey, ticked ? kTrue : kFalse);
}

void ConnectSettingsPage(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.按钮_系统设置_修改消费项目, &QAbstractButton::clicked, &window,
                     [] { OpenServiceItemPanel(); });
    QObject::connect(ui.按钮_系统设置_修改密码, &QAbstractButton::clicked, &window,
                     [] { OpenChangePasswordPanel(); });
    QObject::connect(ui.按钮_系统设置_新增管理员, &QAbstractButton::clicked, &window,
                     [] { OpenAddOperatorPanel(); });
    // The operator's click only: the tick set at the window's creation writes nothing.
    QObject::connect(ui.选择框_新纪录在最前, &QAbstractButton::clicked, &window,
                     [] { SaveListOrderOption(); });
}
