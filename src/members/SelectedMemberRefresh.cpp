#include "members/SelectedMemberRefresh.h"

#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "form/MainWindow.h"
#include "runtime/texts.h"
#include "db/shared.h"
#include "members/MemberRowTotals.h"
#include "members/MemberTotals.h"
#include "members/Peers.h"

void RefreshSelectedMemberTotals() {
    auto& ui = TheMainWindow().ui;
    ListView* list = ui.超级列表框_会员管理_会员列表;
    const int row = ListViewCurrentRow(list);
    if (row == -1) return;
    const std::string id = ListViewGetCell(list, row, 0);
    const DbHandle connection = OpenPrivateConnection();
    if (ToInteger(id) == 0) {
        DbClose(connection);
        return;
    }

    uint64_t stamp = TakeTotalsStamp();
    RechargeTotals recharge;
    QueryMemberRechargeTotals(id, connection, recharge.count, recharge.paidSum, recharge.totalSum);
    WriteRechargeTotals(list, row, id, stamp, recharge);

    stamp = TakeTotalsStamp();
    ConsumptionTotals consumption;
    QueryMemberConsumptionTotals(id, connection, consumption.count, consumption.moneySum);
    WriteConsumptionTotals(list, row, id, stamp, consumption);  // and the balance in cell 8

    // Visible as the panel's own flag: page 0 need not be the page shown.
    if (!ui.外形框_快速消费->isHidden()) {
        SetText(ui.编辑框_快速消费_现有余额, ListViewGetCell(list, row, 8));
        if (Peers().openQuickConsumePanel != nullptr) Peers().openQuickConsumePanel();
    }
    DbClose(connection);
}
