// A totals statement that fails never shows as totals of 0: the row keeps what it showed.
#include <functional>

#include "MemberListFixture.h"
#include "controls/WindowOps.h"
#include "members/MemberList.h"
#include "members/SelectedMemberRefresh.h"

namespace {

Cells Totals(const Cells& row) { return Cells(row.begin() + 3, row.end()); }

// Ways the consumption statements fail once a connection is open.
struct Breakage {
    const char* name;
    std::function<void(TestDatabase&)> make, mend;
};

const std::vector<Breakage>& Breakages() {
    static const std::vector<Breakage> breakages = {
        {"refused",  // the server answers with an error
         [](TestDatabase& db) { db.Run("RENAME TABLE costlist TO costlist_away"); },
         [](TestDatabase& db) { db.Run("RENAME TABLE costlist_away TO costlist"); }},
        {"unanswered",  // the answer never comes and the connection is given up
         [](TestDatabase& db) {
             SetReadTimeoutForTests(1);
             db.Run("LOCK TABLES costlist WRITE");
         },
         [](TestDatabase& db) {
             db.Run("UNLOCK TABLES");
             SetReadTimeoutForTests(std::nullopt);
         }},
    };
    return breakages;
}

class MemberTotalsFailureTest : public MemberListFixture {
  protected:
    void SetUp() override {
        MemberListFixture::SetUp();
        // Member 1 has nothing left on the card; 2 has 50 left.
        AddMember("1", "张三");
        AddRecharge("1", 100, 100);
        AddConsumption("1", 100);
        AddMember("2", "李四");
        AddRecharge("2", 50, 50);
        AddMember("3", "王五");
        AddRecharge("3", 70, 80);
        AddConsumption("3", 10);
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        ClickMemberNavigation();
        ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    }
    void TearDown() override {
        Mend();
        MemberListFixture::TearDown();
    }

    void Break(const Breakage& breakage) {
        breakage.make(db);
        mend_ = breakage.mend;
    }
    void Mend() {
        if (mend_) mend_(db);
        mend_ = nullptr;
    }

    void OpenQuickConsumeWithABill() {
        QTest::mouseClick(ui().按钮_消费, Qt::LeftButton);
        ASSERT_FALSE(ui().外形框_快速消费->isHidden());
        SetText(ui().编辑框_快速消费_消费总金额, "68");
        SetText(ui().编辑框_快速消费_消费项目数, "1");
    }
    std::vector<std::string> QuickConsumeTexts() {
        return {TextOf(ui().编辑框_快速消费_卡号), TextOf(ui().编辑框_快速消费_现有余额),
                TextOf(ui().编辑框_快速消费_消费总金额), TextOf(ui().编辑框_快速消费_消费项目数)};
    }

  private:
    std::function<void(TestDatabase&)> mend_;
};

TEST_F(MemberTotalsFailureTest, APassWhoseStatementsFailLeavesTheRowsAsTheyWere) {
    const std::vector<Cells> before = Rows(visible());
    ASSERT_EQ(Totals(before[0]), (Cells{"1", "100", "100", "1", "100", "0"}));
    AddConsumption("2", 20);  // a statement that ran would show it
    for (const Breakage& breakage : Breakages()) {
        Break(breakage);
        StartThread(ComputedColumnsThreadEntry);
        ASSERT_NO_FATAL_FAILURE(WaitForPasses());
        Mend();
        EXPECT_EQ(Rows(visible()), before) << breakage.name;
        EXPECT_EQ(Rows(spare()), before) << breakage.name;
    }

    StartThread(ComputedColumnsThreadEntry);
    ASSERT_NO_FATAL_FAILURE(WaitForPasses());
    EXPECT_EQ(Totals(Row(visible(), 1)), (Cells{"1", "50", "50", "1", "20", "30"}));
    EXPECT_EQ(Row(visible(), 0), before[0]);  // the next good pass shows the database
}

TEST_F(MemberTotalsFailureTest, AFailedRefreshLeavesTheRowAndTheOpenPanelAsTheyWere) {
    ListViewSetCurrentRow(visible(), 0);
    ASSERT_NO_FATAL_FAILURE(OpenQuickConsumeWithABill());
    const std::vector<std::string> panel = QuickConsumeTexts();
    ASSERT_EQ(panel, (std::vector<std::string>{"1", "0", "68", "1"}));
    const Cells row = Row(visible(), 0);
    AddRecharge("1", 30, 30);  // the recharge statement alone would still succeed

    std::vector<Breakage> breakages = Breakages();
    breakages.push_back({"no connection",
                         [](TestDatabase&) { SetConnectionPortForTests(UnusedPort()); },
                         [](TestDatabase&) { SetConnectionPortForTests(std::nullopt); }});
    for (const Breakage& breakage : breakages) {
        Break(breakage);
        RefreshSelectedMemberTotals();
        Mend();
        EXPECT_EQ(Row(visible(), 0), row) << breakage.name;
        EXPECT_EQ(QuickConsumeTexts(), panel) << breakage.name;
    }

    RefreshSelectedMemberTotals();  // the database is back
    EXPECT_EQ(Totals(Row(visible(), 0)), (Cells{"2", "130", "130", "1", "100", "30"}));
    EXPECT_EQ(QuickConsumeTexts(), (std::vector<std::string>{"1", "30", "", ""}));
}

}  // namespace
