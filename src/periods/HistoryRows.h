#pragma once
// The rows a history query read, handed to its list on the window's thread.

#include "controls/PackedRows.h"

class ListView;

using HistoryRows = PackedRows;

// Room for count rows of the usual size, so that building them copies no text.
void ReserveHistoryRows(HistoryRows& rows, int count);

// Appends the rows in order with one notification: the list takes them over as they are, so
// even a million rows go in within some tens of milliseconds.
void AppendHistoryRows(ListView* list, HistoryRows&& rows);
