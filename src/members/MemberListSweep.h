#pragma once
// The sweeps of the totals pass over the loaded member rows, on the pass's worker thread:
// the database work stays on the worker, every list access goes to the window's thread in
// short slices. The spare list holds every loaded row and only a load changes which; the
// visible list shows all of them after a load, or a search's copies of some.

#include <cstdint>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "db/client.h"

class ListView;

// A load of the member list: every pass that began before it has lost its rows.
void NoteMemberListLoad();
// Window's thread: the visible list now shows these spare rows, in this order (a search's
// copies), or, after a load, every spare row one for one.
void NoteVisibleMemberRows(const std::vector<int>& spareRows);
void NoteVisibleRowsAreSpareRows();
// Called by a pass on its own thread before its sweeps: a pass that began earlier is of
// no use from now on, the newer one covers the same rows with newer totals.
void BeginTotalsPass();
// The pass of the calling thread (0 away from a pass, which is always current).
uint64_t ThisTotalsPass();
// False once a newer load or a newer pass has made the pass useless: it then stops.
bool TotalsPassIsCurrent(uint64_t pass);

// Writes one row's totals on the window's thread. key: the card number as the database
// compares it; nullopt for a number no card can have.
using RowWriter = std::function<void(ListView* list, int row, const std::string& cardNumber,
                                     std::optional<int64_t> key)>;
// Runs on the worker with the sweep's private connection; an empty writer when the
// totals could not be computed (every row then keeps its cells).
using TableComputation = std::function<RowWriter(DbHandle connection)>;

// One sweep over the loaded rows. Taking the card numbers (cell 0) of the spare rows
// starts it; without rows it does nothing more. Otherwise the computation runs at once on a
// thread of its own with a private connection (nothing when none opens), so the sweeps of a
// pass can wait on the server together.
class RowSweep {
  public:
    explicit RowSweep(TableComputation compute);
    ~RowSweep();
    RowSweep(const RowSweep&) = delete;
    RowSweep& operator=(const RowSweep&) = delete;

    // Waits for the computation, then writes every row whose card number converts to a
    // non-zero whole number, in row order, a slice at a time on the window's thread: the
    // spare row and the visible row that shows it, also when a search copied it before the
    // totals came. Stops early when the window is gone or the pass is no longer current.
    void write();

  private:
    uint64_t pass_;
    std::vector<std::string> cards_;
    std::future<RowWriter> writer_;
};
