#include "members/CurrentMemberStrip.h"

#include "controls/ListView.h"
#include "controls/WholeFigure.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "members/Peers.h"

void OnCurrentMemberTimerTick() {
    auto& ui = TheMainWindow().ui;
    ListView* list = ui.超级列表框_会员管理_会员列表;
    const int row = ListViewCurrentRow(list);
    if (row == -1) {
        ui.外形框_当前用户->hide();
        return;
    }
    ui.外形框_当前用户->show();
    SetText(ui.编辑框_全局_姓名, ListViewGetCell(list, row, 1));
    SetText(ui.编辑框_全局_卡号, ListViewGetCell(list, row, 0));
    // Cell 8 is the balance as computed, or empty while none could be: an empty cell is
    // no balance of 0, so it shows no figure.
    SetText(ui.编辑框_全局_余额, ListViewGetCell(list, row, 8));
}

// Each opener hides the other panel first, so at most one of the two acts.
void OnMemberRowChanged() {
    auto& ui = TheMainWindow().ui;
    if (!ui.外形框_快速消费->isHidden()) Peers().openQuickConsumePanel();
    if (!ui.外形框_新增会员->isHidden()) Peers().openRechargePanel();
}

void ConnectCurrentMemberStrip(MainWindow& window) {
    KeepFigureWhole(window.ui.编辑框_全局_余额, window.ui.编辑框_全局_姓名);
    QObject::connect(window.时钟1, &QTimer::timeout, &window, [] { OnCurrentMemberTimerTick(); });
    QObject::connect(window.ui.超级列表框_会员管理_会员列表, &ListView::currentRowChanged, &window,
                     [] { OnMemberRowChanged(); });
}
