#include "members/CardRowsRefresh.h"

#include "controls/ListViewOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberRowTotals.h"
#include "members/MemberTotals.h"
#include "runtime/texts.h"

namespace {

void WriteRowsOfCard(ListView* list, const std::string& cardNumber, uint64_t rechargeStamp,
                     const RechargeTotals& recharge, uint64_t consumptionStamp,
                     const ConsumptionTotals& consumption) {
    for (int row = 0; row < ListViewRowCount(list); ++row) {
        if (ListViewGetCell(list, row, 0) != cardNumber) continue;
        WriteRechargeTotals(list, row, cardNumber, rechargeStamp, recharge);
        WriteConsumptionTotals(list, row, cardNumber, consumptionStamp, consumption);
    }
}

}  // namespace

void RefreshMemberRowsOfCard(const std::string& cardNumber) {
    if (ToInteger(cardNumber) == 0) return;
    const DbHandle connection = OpenPrivateConnection();
    if (connection == 0) return;
    // Taken before the statements: a totals pass that started earlier cannot overwrite them.
    const uint64_t rechargeStamp = TakeTotalsStamp();
    const uint64_t consumptionStamp = TakeTotalsStamp();
    RechargeTotals recharge;
    ConsumptionTotals consumption;
    const bool computed = QueryMemberRechargeTotals(cardNumber, connection, recharge.count,
                                                    recharge.paidSum, recharge.totalSum) &&
                          QueryMemberConsumptionTotals(cardNumber, connection, consumption.count,
                                                       consumption.moneySum);
    DbClose(connection);
    if (!computed) return;
    auto& ui = TheMainWindow().ui;
    // The spare list too: a search copies its rows, balance included.
    for (ListView* list : {ui.超级列表框_会员管理_会员列表, ui.超级列表框_会员管理_会员列表备用})
        WriteRowsOfCard(list, cardNumber, rechargeStamp, recharge, consumptionStamp, consumption);
}
