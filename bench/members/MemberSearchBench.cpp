// The member search at shop scale: BENCH_MEMBERS members (default 100,000) in the spare
// list, then the time from a key pressed in the search box of the shown main window to the
// visible list painted, for the first keystroke after a load and for keystrokes that follow
// a broad text (the match set before the key is then large and scattered). BENCH_ROUNDS
// (default 5) rounds; the worst and the best round are printed. Beside them, measured in the
// same run: a scan of every member's key, and the list painted again with nothing changed.
// The search never queries the database, so none is needed.

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "app/StartUp.h"
#include "common/Threads.h"
#include "controls/ListView.h"
#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"
#include "members/MemberListSweep.h"
#include "members/MemberSearchKeys.h"

namespace {

const int kMembers = SizeFromEnvironment("BENCH_MEMBERS", 100000);
const int kRounds = SizeFromEnvironment("BENCH_ROUNDS", 5);

ListView* Visible() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* Spare() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }
QLineEdit* SearchBox() { return TheMainWindow().ui.编辑框_会员管理_搜索; }

// A fixed sequence, the same on every machine.
class Draws {
  public:
    uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state_ >> 33);
    }
    // 0 to 9,999.
    int perTenThousand() { return static_cast<int>(next() % 10000); }

  private:
    uint64_t state_ = 20261210;
};

struct Initial {
    int weight;  // per ten thousand characters
    std::vector<std::string> characters;
};

// Characters grouped by the first letter of their reading, weighted so that at 100,000
// members about 22,000 names have a j in their key, 1,000 a jh, 100 an nq and 1,000 an r.
const std::vector<Initial>& Initials() {
    static const std::vector<Initial> initials = {
        {890, {"江", "蒋", "金", "贾", "姜", "杰", "娟", "静", "军", "健", "佳", "俊", "晶"}},
        {670, {"黄", "胡", "何", "韩", "华", "红", "浩", "辉", "慧", "海", "虹"}},
        {245, {"宁", "倪", "牛", "娜", "妮", "楠"}},
        {245, {"钱", "秦", "齐", "强", "琴", "倩", "青", "琪"}},
        {37, {"任", "阮", "瑞", "蓉", "然", "荣"}},
        {7913, {"张", "王", "李", "赵", "刘", "陈", "杨", "周", "吴", "徐", "孙", "马", "朱", "郭",
                "林", "高", "罗", "郑", "梁", "谢", "宋", "唐", "许", "邓", "冯", "曹", "彭", "田",
                "董", "袁", "潘", "蔡", "杜", "叶", "程", "苏", "魏", "吕", "丁", "沈", "姚", "崔",
                "汪", "陆", "范", "廖", "邹", "戴", "伟", "芳", "敏", "丽", "磊", "洋", "勇", "艳",
                "涛", "明", "超", "秀", "霞", "平", "刚", "英", "玉", "萍", "鹏", "飞", "鑫", "波",
                "斌", "宇", "凯", "丹", "雪", "梅", "兰", "燕", "云", "莉", "婷", "雯", "颖", "琳",
                "欣", "悦", "玲", "东", "亮", "文", "成", "松"}},
    };
    return initials;
}

std::string Character(Draws& draws) {
    int draw = draws.perTenThousand();
    for (const Initial& initial : Initials()) {
        if (draw < initial.weight)
            return initial.characters[draws.next() % initial.characters.size()];
        draw -= initial.weight;
    }
    return Initials().back().characters.front();
}

// Names of two or three characters, phones of eleven digits starting with 1, totals filled:
// rows as a load and its pass leave them.
std::vector<std::vector<std::string>> ShopRows() {
    Draws draws;
    std::vector<std::vector<std::string>> rows;
    rows.reserve(kMembers);
    for (int seq = 1; seq <= kMembers; ++seq) {
        std::string name = Character(draws) + Character(draws);
        if (draws.next() % 3 != 0) name += Character(draws);
        std::string phone = "1";
        for (int digit = 0; digit < 10; ++digit)
            phone += static_cast<char>('0' + draws.next() % 10);
        rows.push_back({std::to_string(seq), name, phone, "2", "300", "340", "5", "120", "220"});
    }
    return rows;
}

// Counts the paints of the visible list.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

PaintCounter* Painted() {
    static auto* counter = [] {
        auto* made = new PaintCounter;
        Visible()->viewport()->installEventFilter(made);
        return made;
    }();
    return counter;
}

// Runs the event loop until the visible list has been painted once more; the time since
// the timer started.
double UntilPainted(const QElapsedTimer& timer) {
    const int before = Painted()->paints;
    while (Painted()->paints == before) {
        QCoreApplication::processEvents();
        if (timer.elapsed() > 60000) {
            std::fprintf(stderr, "the list was not painted within a minute\n");
            std::exit(1);
        }
    }
    return timer.nsecsElapsed() / 1e6;
}

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// From the key pressed to the list painted.
double KeystrokeMs(char key) {
    Settle();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(SearchBox(), key);
    return UntilPainted(timer);
}

// Types the text before the measured key, unmeasured, from an empty box.
void TypeBefore(const std::string& text) {
    SetText(SearchBox(), "");
    for (const char key : text) QTest::keyClick(SearchBox(), key);
    Settle();
}

// The list painted again with nothing changed: the paint a keystroke cannot avoid.
double RepaintMs() {
    Settle();
    QElapsedTimer timer;
    timer.start();
    Visible()->viewport()->update();
    return UntilPainted(timer);
}

// A scan of every member's key for the text, keys already made: the search's own floor.
// Counts what it finds into found.
double ScanMs(const std::string& text, int& found) {
    const std::vector<std::string>& keys = SearchKeysOf(Spare(), 1);
    QElapsedTimer timer;
    timer.start();
    found = 0;
    for (const std::string& key : keys)
        if (key.find(text) != std::string::npos) ++found;
    return timer.nsecsElapsed() / 1e6;
}

// As a load fills the lists; returns the time until the search keys made on the side
// have reached the window's thread.
double Load(const std::vector<std::vector<std::string>>& rows) {
    SetText(SearchBox(), "");
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
    Settle();
    return timer.nsecsElapsed() / 1e6;
}

struct Figure {
    const char* label;
    double worst = 0;
    double best = 1e300;
    int rows = -1;  // shown after the keystroke; -1 for a floor
    void add(double ms) {
        worst = std::max(worst, ms);
        best = std::min(best, ms);
    }
};

struct Keystroke {
    Figure figure;
    std::string before;  // typed into an empty box first, unmeasured
    char key;
    int rowsBefore = 0;
};

}  // namespace

int main(int argc, char** argv) {
    BenchApplication application(argc, argv);
    LoadStartWindow(ProgramWindowSetup());
    loggedIn = 1;  // page 0 stays up only for a signed-in operator
    TheMainWindow().ui.选择夹1->setCurrentIndex(0);
    TheMainWindow().show();
    QCoreApplication::processEvents();
    if (!Visible()->isVisible()) {
        std::fprintf(stderr, "the member list is not shown\n");
        return 1;
    }

    const std::vector<std::vector<std::string>> rows = ShopRows();

    Figure keysMade{"keys made on the side after a load"};
    Figure first{"first keystroke after a load, r"};
    std::vector<Keystroke> keystrokes = {
        {{"keystroke j -> jh"}, "j", 'h'},
        {{"keystroke 73 -> 735 (phone)"}, "73", '5'},
        {{"keystroke n -> nq"}, "n", 'q'},
        {{"keystroke jh -> jhj (narrow after broad)"}, "jh", 'j'},
        {{"keystroke empty -> j (broad)"}, "", 'j'},
        {{"keystroke nq -> nq1 (mixed text)"}, "nq", '1'},
        {{"keystroke empty -> 1 (every row)"}, "", '1'},
    };
    Figure scan{"floor: scan of every key for jh"};
    Figure repaint{"floor: the list painted again, unchanged"};

    for (int round = 0; round < kRounds; ++round) {
        keysMade.add(Load(rows));
        first.add(KeystrokeMs('r'));
        first.rows = ListViewRowCount(Visible());
        for (Keystroke& k : keystrokes) {
            TypeBefore(k.before);
            k.rowsBefore = ListViewRowCount(Visible());
            k.figure.add(KeystrokeMs(k.key));
            k.figure.rows = ListViewRowCount(Visible());
        }
        TypeBefore("jh");
        scan.add(ScanMs("jh", scan.rows));
        repaint.add(RepaintMs());
    }

    std::printf("%d members, %d rounds, offscreen; from the key to the list painted\n", kMembers,
                kRounds);
    std::printf("%-44s %9s %9s %8s %8s\n", "", "worst ms", "best ms", "rows", "before");
    auto print = [](const Figure& f, int rowsBefore = -1) {
        std::printf("%-44s %9.1f %9.1f", f.label, f.worst, f.best);
        if (f.rows >= 0) std::printf(" %8d", f.rows);
        if (rowsBefore >= 0) std::printf(" %8d", rowsBefore);
        std::printf("\n");
    };
    print(first, 0);
    for (const Keystroke& k : keystrokes) print(k.figure, k.rowsBefore);
    print(scan);
    print(repaint);
    print(keysMade);
    return 0;
}
