#pragma once
// One sweep of the totals pass over the rows of the visible member list, on the pass's
// worker thread: the database work stays on the worker, every list access goes to the
// window's thread, a block of rows or a batch of results at a time.

#include <functional>
#include <string>

#include "db/client.h"

class ListView;

// Runs later on the window's thread with the visible list.
using RowWrite = std::function<void(ListView* list)>;
// Runs on the worker for one row, with the sweep's private connection; an empty write
// when the row's totals could not be computed (the row then keeps its cells).
using RowComputation =
    std::function<RowWrite(int row, const std::string& cardNumber, DbHandle connection)>;

// Takes the number of rows once; without rows, or when no connection opens, does nothing.
// Otherwise computes, in row order, each row whose card number (cell 0, read shortly
// before) converts to a non-zero whole number, and closes the connection at the end.
// Every write is handed to the window's thread before this returns; the sweep stops early
// when the window is gone or the connection is lost.
void SweepVisibleRows(const RowComputation& compute);
