#pragma once
// Recomputes the selected member row's totals and balance from the database.

// What an open quick-consume panel gets besides the new balance: a fresh bill, or the bill
// it holds, kept to be changed.
enum class QuickConsumeBill { Reset, Keep };

void RefreshSelectedMemberTotals(QuickConsumeBill bill = QuickConsumeBill::Reset);
