#include "periods/HistoryRows.h"

#include <algorithm>
#include <iterator>

#include "controls/ListViewOps.h"
#include "controls/WindowOps.h"

namespace {
// Rows appended at once: each slice is one notification of the list and a few milliseconds.
constexpr size_t kSliceRows = 20000;
}  // namespace

void AppendHistoryRows(ListView* list, HistoryRows& rows) {
    for (size_t first = 0; first < rows.size(); first += kSliceRows) {
        const size_t last = std::min(rows.size(), first + kSliceRows);
        ListViewAppendRows(list, HistoryRows(std::make_move_iterator(rows.begin() + first),
                                             std::make_move_iterator(rows.begin() + last)));
        if (last < rows.size()) ProcessPendingEventsExceptInput();
    }
}
