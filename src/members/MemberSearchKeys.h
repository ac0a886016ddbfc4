#pragma once
// The search keys of a list's cells, kept from one keystroke to the next: a key is made
// again only when its cell no longer holds the text it was made from (a load, a rename).

#include <string>
#include <vector>

class ListView;

// Window's thread only. The keys of the column for every row, lower-cased, in row order.
const std::vector<std::string>& SearchKeysOf(ListView* list, int column);
