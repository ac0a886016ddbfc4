#pragma once
// The computed cells of a member row (3 to 8), written only on the window's thread and
// only through here: a value goes into a row that still shows the card number it was
// computed for, and never over a value computed later for the same card number. Only
// totals the database gave are written; a failed computation writes nothing at all.

#include <cstdint>
#include <string>

class ListView;

struct RechargeTotals {
    int64_t count = 0, paidSum = 0, totalSum = 0;
};

struct ConsumptionTotals {
    int64_t count = 0, moneySum = 0;
};

// Taken when a computation starts, on any thread; a later start gets a larger stamp.
uint64_t TakeTotalsStamp();

// Cells 3 to 5. False when the row no longer shows the card number, or when a
// computation that started later has already written them for that card number.
bool WriteRechargeTotals(ListView* list, int row, const std::string& cardNumber, uint64_t stamp,
                         const RechargeTotals& totals);
// Cells 6 and 7, then the balance in cell 8: cell 5 minus cell 7. Cells 3 to 5 are first
// brought up to the newest recharge totals computed for the card number, so the balance
// takes the recharge total of that same card number; while there are none, cell 8 is left
// as it is rather than taking an unknown total as 0. False as above.
bool WriteConsumptionTotals(ListView* list, int row, const std::string& cardNumber, uint64_t stamp,
                            const ConsumptionTotals& totals);

// The text of a count or sum cell: empty for 0.
std::string TotalsCellText(int64_t value);
