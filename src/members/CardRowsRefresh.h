#pragma once
// Recomputes the totals and balance of every member row, visible and spare, that shows the
// card number: after one of the member's records changed, whichever row is selected.
#include <string>

void RefreshMemberRowsOfCard(const std::string& cardNumber);
