#include "periods/HistoryRows.h"

#include <QElapsedTimer>

#include "controls/ListView.h"
#include "controls/WindowOps.h"

namespace {
// Long enough to append thousands of rows, short enough that the window never seems stuck.
constexpr int kStretchMs = 40;
}  // namespace

void AppendHistoryRows(ListView* list, HistoryRows& rows) {
    QElapsedTimer stretch;
    stretch.start();
    for (auto& cells : rows) {
        const int row = list->appendRow();
        for (int column = 0; column < static_cast<int>(cells.size()); ++column)
            list->setCell(row, column, std::move(cells[column]));
        if (stretch.elapsed() >= kStretchMs) {
            ProcessPendingEventsExceptInput();
            stretch.restart();
        }
    }
}
