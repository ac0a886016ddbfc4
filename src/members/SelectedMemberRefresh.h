#pragma once
// Recomputes the selected member row's totals and balance from the database.
void RefreshSelectedMemberTotals();
