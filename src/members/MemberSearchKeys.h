#pragma once
// The search keys of a list's cells, kept from one keystroke to the next: a key is made
// again only when its cell no longer holds the text it was made from (a load, a rename).

#include <string>
#include <vector>

class ListView;

// Window's thread only. The keys of the column for every row, lower-cased, in row order.
const std::vector<std::string>& SearchKeysOf(ListView* list, int column);

// Makes the keys of these cells (the column's, in row order, as just loaded) on a worker
// thread and hands them to the window's thread, so that the first keystroke after a load
// finds them made. A search that comes first makes what it needs itself.
void PrepareSearchKeys(ListView* list, int column, std::vector<std::string> cells);
