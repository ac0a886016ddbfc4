// The member search at shop scale: BENCH_MEMBERS members (default 100,000) in the spare
// list, then the time from a change of the search text to the found rows painted, for the
// first search after a load, for keystrokes that find about a thousand rows or fewer, and
// for one that finds every row. BENCH_ROUNDS (default 5) rounds; the
// worst round counts. The search never queries the database, so none is needed.

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/StartUp.h"
#include "common/Threads.h"
#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "members/MemberListSweep.h"
#include "members/MemberSearchKeys.h"

namespace {

int SizeFromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    const int size = value != nullptr ? std::atoi(value) : 0;
    return size > 0 ? size : fallback;
}

const int kMembers = SizeFromEnvironment("BENCH_MEMBERS", 100000);
const int kRounds = SizeFromEnvironment("BENCH_ROUNDS", 5);

ListView* Visible() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* Spare() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

// Names of two or three characters from common surnames and given-name characters, phones
// "138" and eight digits, totals filled: rows as a load and its pass leave them.
std::vector<std::vector<std::string>> ShopRows() {
    const std::vector<std::string> surnames = {"张", "王", "李", "赵", "刘", "陈", "杨", "黄",
                                               "周", "吴", "徐", "孙", "马", "朱", "胡", "郭",
                                               "何", "林", "高", "罗", "郑", "梁", "谢", "宋"};
    const std::vector<std::string> given = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军",
                                            "洋", "勇", "艳", "杰", "娟", "涛", "明", "超", "秀",
                                            "霞", "平", "刚", "桂", "英", "华", "玉", "萍", "红",
                                            "鹏", "飞", "鑫", "波", "斌", "宇", "浩", "凯", "健"};
    std::vector<std::vector<std::string>> rows;
    rows.reserve(kMembers);
    for (int seq = 1; seq <= kMembers; ++seq) {
        std::string name = surnames[seq % surnames.size()] + given[(seq / 7) % given.size()];
        if (seq % 3 != 0) name += given[(seq / 31) % given.size()];
        char phone[16];
        std::snprintf(phone, sizeof phone, "138%08d", seq);
        rows.push_back({std::to_string(seq), name, phone, "2", "300", "340", "5", "120", "220"});
    }
    return rows;
}

// From the change of the text to the rows painted.
double SearchMs(const std::string& text) {
    QElapsedTimer timer;
    timer.start();
    SetText(TheMainWindow().ui.编辑框_会员管理_搜索, text);
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// As a load fills the lists; returns the time until the search keys made on the side
// have reached the window's thread.
double Load(const std::vector<std::vector<std::string>>& rows) {
    SetText(TheMainWindow().ui.编辑框_会员管理_搜索, "");
    ListViewClear(Spare());
    ListViewClear(Visible());
    QElapsedTimer timer;
    timer.start();
    std::vector<std::string> names, phones;
    for (const auto& row : rows) {
        names.push_back(row[1]);
        phones.push_back(row[2]);
    }
    PrepareSearchKeys(Spare(), 1, std::move(names));
    PrepareSearchKeys(Spare(), 2, std::move(phones));
    ListViewAppendRows(Spare(), rows);
    ListViewAppendRows(Visible(), rows);
    NoteVisibleRowsAreSpareRows();
    while (RunningWorkerThreads() != 0) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

struct Keystroke {
    const char* label;
    std::vector<std::string> texts;  // typed in turn; the worst counts
};

}  // namespace

int main(int argc, char** argv) {
    BenchApplication application(argc, argv);
    LoadStartWindow(ProgramWindowSetup());
    TheMainWindow().ui.选择夹1->setCurrentIndex(0);
    TheMainWindow().show();
    QCoreApplication::processEvents();

    const std::vector<std::vector<std::string>> rows = ShopRows();
    std::printf("%d members, worst of %d rounds\n", kMembers, kRounds);

    double firstSearch = 0, keysReady = 0;
    const std::vector<Keystroke> keystrokes = {
        {"phone digits, 1,000 rows (13800012)", {"1380001", "13800012"}},
        {"phone digits, 100 rows (138000123)", {"13800012", "138000123"}},
        {"name letters (zwy)", {"zw", "zwy"}},
        {"mixed text again (zwy1)", {"zwy", "zwy1"}},
        {"every row (1)", {"", "1"}},
    };
    std::vector<double> worst(keystrokes.size(), 0);
    std::vector<int> found(keystrokes.size(), 0);
    for (int round = 0; round < kRounds; ++round) {
        keysReady = std::max(keysReady, Load(rows));
        firstSearch = std::max(firstSearch, SearchMs("zs"));
        for (size_t k = 0; k < keystrokes.size(); ++k) {
            double ms = 0;
            for (const std::string& text : keystrokes[k].texts) ms = SearchMs(text);
            worst[k] = std::max(worst[k], ms);
            found[k] = ListViewRowCount(Visible());
        }
    }
    std::printf("keys made on the side after a load       %8.1f ms\n", keysReady);
    std::printf("first search after a load (zs)           %8.1f ms\n", firstSearch);
    for (size_t k = 0; k < keystrokes.size(); ++k)
        std::printf("%-40s %8.1f ms  (%d rows)\n", keystrokes[k].label, worst[k], found[k]);
    return 0;
}
