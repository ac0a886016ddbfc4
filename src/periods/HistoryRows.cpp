#include "periods/HistoryRows.h"

#include <algorithm>
#include <utility>

#include "controls/ListViewOps.h"

namespace {
// Generous: room that is never written is never made resident, so it costs no memory.
constexpr size_t kRowTextRoom = 256;
}  // namespace

void ReserveHistoryRows(HistoryRows& rows, int count) {
    const size_t rowCount = static_cast<size_t>(std::max(count, 0));
    rows.reserve(rowCount, rowCount * kRowTextRoom);
}

void AppendHistoryRows(ListView* list, HistoryRows&& rows) {
    ListViewAppendRows(list, std::move(rows));
}
