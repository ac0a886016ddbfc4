#include "app/WindowCreation.h"

#include "common/Threads.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "login/ConfigFile.h"
#include "login/OperatorCombo.h"
#include "runtime/inifile.h"

void OnWindowCreated(MainWindow& window) {
    auto& ui = window.ui;
    window.resize(window.width(), 700);
    ui.选择夹1->setCurrentIndex(3);
    ui.选择夹1->move(ui.选择夹1->x(), 105);
    SetInputFocus(ui.编辑框_用户名);
    const bool newestFirst = IniRead(ConfigFilePath(), kListOrderSection, kNewestFirstKey) == kTrue;
    ui.选择框_新纪录在最前->setChecked(newestFirst);
    StartThread(OperatorComboThreadEntry);
    ui.超级列表框_会员管理_会员列表备用->hide();
}
