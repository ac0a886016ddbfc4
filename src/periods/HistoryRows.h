#pragma once
// The rows a history query read, appended to its list on the window's thread.

#include <string>
#include <vector>

class ListView;

using HistoryRows = std::vector<std::vector<std::string>>;

// Appends the rows in order; a long list goes in in slices, with the window painting
// (but taking no mouse or keys) between them.
void AppendHistoryRows(ListView* list, HistoryRows& rows);
