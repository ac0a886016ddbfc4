#include "members/MemberRowTotals.h"

#include <atomic>
#include <limits>
#include <unordered_map>

#include "controls/ListViewOps.h"
#include "controls/WindowThread.h"

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

// Sums far beyond any real amount are held at the ends of the 64-bit range.
int64_t Difference(int64_t minuend, int64_t subtrahend) {
    int64_t difference = 0;
    if (!__builtin_sub_overflow(minuend, subtrahend, &difference)) return difference;
    return subtrahend < 0 ? std::numeric_limits<int64_t>::max()
                          : std::numeric_limits<int64_t>::min();
}

}  // namespace

uint64_t TakeTotalsStamp() { return ++lastStamp; }

std::string TotalsCellText(int64_t value) { return value == 0 ? "" : std::to_string(value); }

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
    // From the values rather than the cells: a cell read back as a number stops at 32 bits.
    if (known.rechargeStamp != 0)
        ListViewSetCell(list, row, 8,
                        std::to_string(Difference(known.recharge.totalSum, totals.moneySum)));
    return true;
}
