// Selecting every other row of a long history list one row at a time, as a select-all over a
// filtered list does, then reading the selection back.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ListView.h"
#include "ListViewOps.h"

namespace {

// Argument: the rows of the list; half of them end selected.
void BM_SelectEveryOtherRow(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    ListView view;
    view.setColumns({"卡号|80", "姓名|100", "手机号|120"});
    view.setMultiSelection(true);
    view.resize(950, 432);
    view.show();
    ListViewAppendRows(&view, std::vector<std::vector<std::string>>(
                                  rows, std::vector<std::string>{"100000", "会员", "13800000000"}));
    for (auto _ : state) {
        for (int row = 0; row < rows; ++row) ListViewDeselectRow(&view, row);
        for (int row = 0; row < rows; row += 2) {
            ListViewSelectRow(&view, row);
            ListViewEnsureRowVisible(&view, row);
        }
        benchmark::DoNotOptimize(ListViewSelectedRows(&view));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SelectEveryOtherRow)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace
