#include "members/MemberSearchKeys.h"

#include <map>
#include <utility>

#include "controls/ListView.h"
#include "members/MemberSearch.h"

namespace {

struct ColumnKeys {
    std::vector<std::string> sources;
    std::vector<std::string> keys;
};

// The comparison ignores the case of ASCII letters only, as the keys hold nothing else
// that has a case worth folding.
std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

const std::vector<std::string>& SearchKeysOf(ListView* list, int column) {
    static std::map<std::pair<const ListView*, int>, ColumnKeys> all;
    ColumnKeys& known = all[{list, column}];
    const int rows = list->rows();
    known.sources.resize(rows);
    known.keys.resize(rows);
    for (int row = 0; row < rows; ++row) {
        std::string cell = list->cell(row, column);
        if (cell == known.sources[row]) continue;
        known.keys[row] = LowerAscii(PinyinInitialsKey(cell));
        known.sources[row] = std::move(cell);
    }
    return known.keys;
}
