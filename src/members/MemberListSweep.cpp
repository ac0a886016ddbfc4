#include "members/MemberListSweep.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "controls/ListViewOps.h"
#include "controls/WindowThread.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "runtime/texts.h"

namespace {

// Bumped by every load and every pass; a pass is current while it holds the last value.
std::atomic<uint64_t> lastEvent{0};
thread_local uint64_t thisPass = 0;

ListView* VisibleList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* SpareList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

// Window's thread only. Empty while the visible rows are the spare rows one for one.
bool visibleIsSpare = true;
std::vector<int> visibleRowOfSpareRow;  // -1: not shown

// The visible row that shows the spare row, or -1.
int VisibleRowOf(int spareRow) {
    if (visibleIsSpare) return spareRow;
    if (spareRow < static_cast<int>(visibleRowOfSpareRow.size()))
        return visibleRowOfSpareRow[spareRow];
    return -1;
}

// Cell 0 of the spare rows; nullopt once the window is gone.
std::optional<std::vector<std::string>> ReadCardNumbers(uint64_t pass) {
    std::vector<std::string> cards;
    bool windowExists = true;
    int rows = -1;
    RunOnWindowThreadInSlices([&] {
        if (!MainWindowExists()) {
            windowExists = false;
            return false;
        }
        if (!TotalsPassIsCurrent(pass)) return false;
        ListView* list = SpareList();
        if (rows < 0) {
            rows = ListViewRowCount(list);
            cards.reserve(rows);
        }
        const int row = static_cast<int>(cards.size());
        if (row >= rows) return false;
        cards.push_back(ListViewGetCell(list, row, 0));
        return true;
    });
    if (!windowExists) return std::nullopt;
    return cards;
}

// What the statement "user_id = " + card number compares with.
std::optional<int64_t> CardKey(const std::string& cardNumber) {
    int64_t key = 0;
    const char* end = cardNumber.data() + cardNumber.size();
    const auto [stop, error] = std::from_chars(cardNumber.data(), end, key);
    if (error != std::errc() || stop != end) return std::nullopt;
    return key;
}

// The server sessions of the sweeps whose statement is running, by pass.
std::mutex runningMutex;
std::multimap<uint64_t, uint64_t> runningSessions;

// A pass that lost its rows would still wait seconds for its statement at shop scale, beside
// the new one: its statement is ended on the server instead.
void EndStalePassStatements() {
    std::vector<uint64_t> sessions;
    {
        const std::lock_guard lock(runningMutex);
        for (const auto& [pass, session] : runningSessions)
            if (!TotalsPassIsCurrent(pass)) sessions.push_back(session);
    }
    if (sessions.empty()) return;
    std::thread([sessions = std::move(sessions)] {
        const DbHandle connection = OpenPrivateConnection();
        for (const uint64_t session : sessions)
            DbExecute(connection, Sql("KILL QUERY ").id(std::to_string(session)));
        DbClose(connection);
    }).detach();
}

// Registered before the statement runs, so that a later load either finds it or is seen here.
bool RegisterSweepStatement(uint64_t pass, DbHandle connection) {
    const std::lock_guard lock(runningMutex);
    runningSessions.emplace(pass, DbSessionId(connection));
    return TotalsPassIsCurrent(pass);
}

void UnregisterSweepStatement(uint64_t pass, DbHandle connection) {
    const std::lock_guard lock(runningMutex);
    const uint64_t session = DbSessionId(connection);
    for (auto [it, end] = runningSessions.equal_range(pass); it != end; ++it)
        if (it->second == session) {
            runningSessions.erase(it);
            return;
        }
}

}  // namespace

void NoteMemberListLoad() {
    ++lastEvent;
    EndStalePassStatements();
}

void NoteVisibleMemberRows(const std::vector<int>& spareRows) {
    visibleIsSpare = false;
    visibleRowOfSpareRow.assign(ListViewRowCount(SpareList()), -1);
    for (int row = 0; row < static_cast<int>(spareRows.size()); ++row)
        if (spareRows[row] < static_cast<int>(visibleRowOfSpareRow.size()))
            visibleRowOfSpareRow[spareRows[row]] = row;
}

void NoteVisibleRowsAreSpareRows() {
    visibleIsSpare = true;
    visibleRowOfSpareRow = {};
}

void BeginTotalsPass() {
    thisPass = ++lastEvent;
    EndStalePassStatements();
}

uint64_t ThisTotalsPass() { return thisPass; }

bool TotalsPassIsCurrent(uint64_t pass) { return pass == 0 || pass == lastEvent.load(); }

RowSweep::RowSweep(TableComputation compute) : pass_(ThisTotalsPass()) {
    if (!TotalsPassIsCurrent(pass_)) return;
    std::optional<std::vector<std::string>> cards = ReadCardNumbers(pass_);
    if (!cards || cards->empty() || !TotalsPassIsCurrent(pass_)) return;
    cards_ = std::move(*cards);
    writer_ =
        std::async(std::launch::async, [compute = std::move(compute), pass = pass_]() -> RowWriter {
            const DbHandle connection = OpenPrivateConnection();
            if (connection == 0) return nullptr;
            RowWriter writer;
            if (RegisterSweepStatement(pass, connection)) writer = compute(connection);
            UnregisterSweepStatement(pass, connection);
            DbClose(connection);
            return writer;
        });
}

RowSweep::~RowSweep() {
    if (writer_.valid()) writer_.wait();
}

void RowSweep::write() {
    if (!writer_.valid()) return;
    const RowWriter write = writer_.get();
    if (!write) return;
    size_t row = 0;
    RunOnWindowThreadInSlices([&] {
        if (!MainWindowExists() || !TotalsPassIsCurrent(pass_)) return false;
        const std::string& id = cards_[row];
        // A card number that is no whole number is never sent as one: its row keeps its cells.
        if (ToInteger(id) != 0 && IsWholeNumber(id)) {
            const std::optional<int64_t> key = CardKey(id);
            write(SpareList(), static_cast<int>(row), id, key);
            // The writer looks at cell 0 first: a row that shows another card keeps its cells.
            const int shown = VisibleRowOf(static_cast<int>(row));
            if (shown >= 0) write(VisibleList(), shown, id, key);
        }
        return ++row < cards_.size();
    });
}
