#include "members/MemberRowTotals.h"

#include <atomic>
#include <unordered_map>

#include "controls/ListViewOps.h"
#include "controls/WindowThread.h"
#include "runtime/texts.h"

namespace {

// What was last written for one card number, and when its computation started.
struct KnownTotals {
    uint64_t rechargeStamp = 0;
    RechargeTotals recharge;
    uint64_t consumptionStamp = 0;
};

std::atomic<uint64_t> lastStamp{0};

// Window's thread only. Never emptied: a stamp must outlive the loads of the list.
std::unordered_map<std::string, KnownTotals>& Known() {
    static auto* known = new std::unordered_map<std::string, KnownTotals>;
    return *known;
}

void SetRechargeCells(ListView* list, int row, const RechargeTotals& totals) {
    ListViewSetCell(list, row, 3, TotalsCellText(totals.count));
    ListViewSetCell(list, row, 4, TotalsCellText(totals.paidSum));
    ListViewSetCell(list, row, 5, TotalsCellText(totals.totalSum));
}

}  // namespace

uint64_t TakeTotalsStamp() { return ++lastStamp; }

std::string TotalsCellText(int32_t value) { return value == 0 ? "" : NumberToText(value); }

bool WriteRechargeTotals(ListView* list, int row, const std::string& cardNumber, uint64_t stamp,
                         const RechargeTotals& totals) {
    if (!OnWindowThread()) return false;
    // Kept also when the row has changed: the balance of the card number's row needs it.
    KnownTotals& known = Known()[cardNumber];
    if (stamp < known.rechargeStamp) return false;
    known.rechargeStamp = stamp;
    known.recharge = totals;
    if (ListViewGetCell(list, row, 0) != cardNumber) return false;
    SetRechargeCells(list, row, totals);
    return true;
}

bool WriteConsumptionTotals(ListView* list, int row, const std::string& cardNumber, uint64_t stamp,
                            const ConsumptionTotals& totals) {
    if (!OnWindowThread() || ListViewGetCell(list, row, 0) != cardNumber) return false;
    KnownTotals& known = Known()[cardNumber];
    if (stamp < known.consumptionStamp) return false;
    known.consumptionStamp = stamp;
    if (known.rechargeStamp != 0) SetRechargeCells(list, row, known.recharge);
    ListViewSetCell(list, row, 6, TotalsCellText(totals.count));
    ListViewSetCell(list, row, 7, TotalsCellText(totals.moneySum));
    const int64_t balance = int64_t{ToInteger(ListViewGetCell(list, row, 5))} -
                            ToInteger(ListViewGetCell(list, row, 7));
    ListViewSetCell(list, row, 8, NumberToText(static_cast<double>(balance)));
    return true;
}
