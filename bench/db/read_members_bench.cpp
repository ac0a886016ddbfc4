// Reading a member list of 10,000 rows the way the member list load does:
// RunSharedQuery, ReadMemberRow for every row, FreeSharedResultSet.
//
// The rows live in a temporary userlist of the shared connection, which hides the real
// table from that connection only: the benchmark never touches the data of the server
// it is compiled for.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "db/records.h"
#include "db/shared.h"

namespace {

constexpr int kMembers = 10000;

bool FillMembers() {
    DbHandle connection = GetSharedConnection();
    // A temporary table cannot be made under the name it copies; it takes it afterwards.
    return DbExecute(connection,
                     Sql("CREATE TEMPORARY TABLE bench_members LIKE `marlovia`.`userlist`")) &&
           DbExecute(connection, Sql("ALTER TABLE bench_members RENAME TO userlist")) &&
           DbExecute(connection,
                     Sql("INSERT INTO userlist SELECT seq, 0, CONCAT('会员', seq),"
                         " CONCAT('138', LPAD(seq, 8, '0')), '', '幸福路 ', CONCAT('wx', seq), ''"
                         " FROM seq_1_to_")
                         .id(std::to_string(kMembers)));
}

void ReadAllMembers(benchmark::State& state) {
    MemberRecord record;
    int rows = 0;
    for (auto _ : state) {
        auto lock = LockSharedDatabase();
        rows = RunSharedQuery(Sql("SELECT * FROM `marlovia`.`userlist` WHERE `user_del` <> 1"));
        for (int n = 1; n <= rows; ++n) ReadMemberRow(record, n);
        FreeSharedResultSet();
        benchmark::DoNotOptimize(record);
    }
    if (rows != kMembers) state.SkipWithError("the query did not give the 10,000 members");
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(ReadAllMembers)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!FillMembers()) {
        std::fprintf(stderr, "cannot fill the members on %s:%d\n", kDbHost.c_str(), kDbPort);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
