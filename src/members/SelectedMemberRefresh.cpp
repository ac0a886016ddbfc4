#include "members/SelectedMemberRefresh.h"

#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberRowTotals.h"
#include "members/MemberTotals.h"
#include "members/Peers.h"
#include "runtime/texts.h"

void RefreshSelectedMemberTotals(QuickConsumeBill bill) {
    auto& ui = TheMainWindow().ui;
    ListView* list = ui.超级列表框_会员管理_会员列表;
    const int row = ListViewCurrentRow(list);
    if (row == -1) return;
    const std::string id = ListViewGetCell(list, row, 0);
    const DbHandle connection = OpenPrivateConnection();
    if (ToInteger(id) == 0 || connection == 0) {
        DbClose(connection);
        return;
    }

    // Both stamps are taken before either statement runs, and count only once written.
    const uint64_t rechargeStamp = TakeTotalsStamp();
    const uint64_t consumptionStamp = TakeTotalsStamp();
    RechargeTotals recharge;
    ConsumptionTotals consumption;
    // Both or nothing: half a refresh would put a balance beside totals it was not taken from.
    const bool computed =
        QueryMemberRechargeTotals(id, connection, recharge.count, recharge.paidSum,
                                  recharge.totalSum) &&
        QueryMemberConsumptionTotals(id, connection, consumption.count, consumption.moneySum);
    DbClose(connection);
    // A failed refresh leaves the row and the open panel showing what they showed.
    if (!computed) return;
    WriteRechargeTotals(list, row, id, rechargeStamp, recharge);
    WriteConsumptionTotals(list, row, id, consumptionStamp, consumption);  // and cell 8

    // Visible as the panel's own flag: page 0 need not be the page shown.
    if (!ui.外形框_快速消费->isHidden()) {
        SetText(ui.编辑框_快速消费_现有余额, ListViewGetCell(list, row, 8));
        if (bill == QuickConsumeBill::Reset && Peers().openQuickConsumePanel != nullptr)
            Peers().openQuickConsumePanel();
    }
}
