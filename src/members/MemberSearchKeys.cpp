#include "members/MemberSearchKeys.h"

#include <QAbstractItemModel>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <utility>

#include "common/Threads.h"
#include "controls/ListView.h"
#include "controls/WindowThread.h"
#include "members/MemberSearch.h"

namespace {

struct ColumnKeys {
    std::vector<std::string> sources;
    std::vector<std::string> keys;
    // What the list has signalled since the keys were last brought up to date: these rows'
    // cells were written, or (everyChanged) anything may have moved.
    std::vector<int> writtenRows;
    bool everyChanged = true;
};

// Window's thread only.
std::map<std::pair<const ListView*, int>, ColumnKeys>& AllKeys() {
    static auto* all = new std::map<std::pair<const ListView*, int>, ColumnKeys>;
    return *all;
}

// Beyond this many written rows one comparison of every cell is as cheap.
constexpr size_t kWrittenRowsKept = 4096;

void NoteWritten(const ListView* list, const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    auto& all = AllKeys();
    for (auto it = all.lower_bound({list, 0}); it != all.end() && it->first.first == list; ++it) {
        const int column = it->first.second;
        ColumnKeys& known = it->second;
        if (known.everyChanged || column < topLeft.column() || column > bottomRight.column())
            continue;
        for (int row = topLeft.row(); row <= bottomRight.row() && !known.everyChanged; ++row) {
            known.writtenRows.push_back(row);
            if (known.writtenRows.size() > kWrittenRowsKept) known.everyChanged = true;
        }
    }
}

void NoteEveryChanged(const ListView* list) {
    auto& all = AllKeys();
    for (auto it = all.lower_bound({list, 0}); it != all.end() && it->first.first == list; ++it)
        it->second.everyChanged = true;
}

// From the first search of a list on, its keys learn from its signals which cells to look
// at again, instead of comparing every cell on every keystroke.
void Watch(ListView* list) {
    static auto* watched = new std::set<const ListView*>;
    if (!watched->insert(list).second) return;
    const QAbstractItemModel* model = list->model();
    QObject::connect(model, &QAbstractItemModel::dataChanged, list,
                     [list](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                         NoteWritten(list, topLeft, bottomRight);
                     });
    const auto every = [list] { NoteEveryChanged(list); };
    QObject::connect(model, &QAbstractItemModel::modelReset, list, every);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, every);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, list, every);
    QObject::connect(model, &QAbstractItemModel::rowsMoved, list, every);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, list, every);
    QObject::connect(list, &QObject::destroyed, [list] {
        watched->erase(list);
        auto& all = AllKeys();
        auto it = all.lower_bound({list, 0});
        while (it != all.end() && it->first.first == list) it = all.erase(it);
    });
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
    Watch(list);
    ColumnKeys& known = AllKeys()[{list, column}];
    const int rows = list->rows();
    const auto bringUp = [&](int row) {
        std::string cell = list->cell(row, column);
        if (cell == known.sources[row]) return;
        known.keys[row] = KeyOf(cell);
        known.sources[row] = std::move(cell);
    };
    if (known.everyChanged || static_cast<int>(known.keys.size()) != rows) {
        known.sources.resize(rows);
        known.keys.resize(rows);
        for (int row = 0; row < rows; ++row) bringUp(row);
    } else {
        for (const int row : known.writtenRows)
            if (row >= 0 && row < rows) bringUp(row);
    }
    known.writtenRows.clear();
    known.everyChanged = false;
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
