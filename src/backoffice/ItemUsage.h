#pragma once
// How often each service item was sold: on each of the last seven days, over the last 30
// days and in total. Reached only through the hidden statistics button.

void ShowItemUsageStatistics();
// Fills columns 3 to 5 of every row of the item list.
void FillItemUsageColumns();
