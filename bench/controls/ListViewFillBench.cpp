// Filling the member list with 10,000 rows of nine cells, as a load and the totals pass do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <utility>
#include <vector>

#include "ListView.h"
#include "ListViewOps.h"
#include "WindowOps.h"

namespace {

constexpr int kMembers = 10000;

void FillMembers(ListView& view) {
    ListViewClear(&view);
    for (int i = 0; i < kMembers; ++i) {
        const int row = ListViewInsertRow(&view);
        ListViewSetCell(&view, row, 0, std::to_string(100000 + i));
        ListViewSetCell(&view, row, 1, "会员" + std::to_string(i));
        ListViewSetCell(&view, row, 2, "138" + std::to_string(10000000 + i));
        for (int column = 3; column < 8; ++column)
            ListViewSetCell(&view, row, column, std::to_string((i * column) % 5000));
        ListViewSetCell(&view, row, 8, std::to_string(i % 3000 - 1000));
    }
}

// Argument 0: the list is hidden (the spare list); 1: shown and repainted afterwards.
void BM_FillMemberList(benchmark::State& state) {
    ListView view;
    view.setColumns({"卡号|80", "姓名|100", "手机号|120", "充值次数|80", "实付金额|100",
                     "充值总额|100", "消费次数|80", "消费金额|100", "卡余额|100"});
    view.resize(950, 432);
    if (state.range(0)) view.show();
    for (auto _ : state) {
        FillMembers(view);
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kMembers);
    state.counters["cells"] = kMembers * 9;
}
BENCHMARK(BM_FillMemberList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same rows handed over at once, as the member list load does.
void BM_AppendMemberRows(benchmark::State& state) {
    ListView view;
    view.setColumns({"卡号|80", "姓名|100", "手机号|120", "充值次数|80", "实付金额|100",
                     "充值总额|100", "消费次数|80", "消费金额|100", "卡余额|100"});
    view.resize(950, 432);
    view.show();
    for (auto _ : state) {
        ListViewClear(&view);
        std::vector<std::vector<std::string>> rows;
        rows.reserve(kMembers);
        for (int i = 0; i < kMembers; ++i)
            rows.push_back({std::to_string(100000 + i), "会员" + std::to_string(i),
                            "138" + std::to_string(10000000 + i)});
        ListViewAppendRows(&view, std::move(rows));
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kMembers);
}
BENCHMARK(BM_AppendMemberRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
