#include "members/MemberSearchKeys.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "common/Threads.h"
#include "controls/ListView.h"
#include "controls/WindowThread.h"
#include "members/MemberSearch.h"

namespace {

struct ColumnKeys {
    std::vector<std::string> sources;
    std::vector<std::string> keys;
};

// Window's thread only.
std::map<std::pair<const ListView*, int>, ColumnKeys>& AllKeys() {
    static auto* all = new std::map<std::pair<const ListView*, int>, ColumnKeys>;
    return *all;
}

// The comparison ignores the case of ASCII letters only: nothing else in a key has a case
// worth folding.
std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string KeyOf(const std::string& cell) { return LowerAscii(PinyinInitialsKey(cell)); }

struct Preparation {
    const ListView* list = nullptr;
    int column = 0;
    std::vector<std::string> cells;
    uint64_t number = 0;
};

std::mutex preparationMutex;
// Guarded by preparationMutex: the work not yet taken, and the newest of each column.
std::vector<Preparation> waiting;
std::map<std::pair<const ListView*, int>, uint64_t> newest;
uint64_t lastPreparation = 0;

void MakeKeys(int32_t /*parameter*/) {
    Preparation job;
    {
        std::lock_guard lock(preparationMutex);
        if (waiting.empty()) return;
        job = std::move(waiting.back());
        waiting.pop_back();
    }
    auto made = std::make_shared<ColumnKeys>();
    made->keys.reserve(job.cells.size());
    for (const std::string& cell : job.cells) made->keys.push_back(KeyOf(cell));
    made->sources = std::move(job.cells);
    PostToWindowThread([job = std::move(job), made] {
        {
            std::lock_guard lock(preparationMutex);
            // A newer load of the same column has its own keys coming.
            if (newest[{job.list, job.column}] != job.number) return;
        }
        AllKeys()[{job.list, job.column}] = std::move(*made);
    });
}

}  // namespace

const std::vector<std::string>& SearchKeysOf(ListView* list, int column) {
    ColumnKeys& known = AllKeys()[{list, column}];
    const int rows = list->rows();
    known.sources.resize(rows);
    known.keys.resize(rows);
    for (int row = 0; row < rows; ++row) {
        std::string cell = list->cell(row, column);
        if (cell == known.sources[row]) continue;
        known.keys[row] = KeyOf(cell);
        known.sources[row] = std::move(cell);
    }
    return known.keys;
}

void PrepareSearchKeys(ListView* list, int column, std::vector<std::string> cells) {
    {
        std::lock_guard lock(preparationMutex);
        waiting.push_back({list, column, std::move(cells), ++lastPreparation});
        newest[{list, column}] = lastPreparation;
    }
    StartThread(MakeKeys);
}
