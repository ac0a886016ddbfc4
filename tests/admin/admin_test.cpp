// What every correction shares: the gate, the danger question, the audit note and
// what a typed value may hold.
#include <chrono>
#include <thread>

#include "WindowFixture.h"
#include "admin/AdminGate.h"
#include "admin/AuditNote.h"
#include "admin/CorrectionConnection.h"
#include "login/SignedInOperator.h"
#include "runtime/datetime.h"
#include "test_database.h"

namespace {

class CorrectionGateTest : public WindowFixture {
  protected:
    void TearDown() override {
        operatorTel.clear();
        operatorName.clear();
        operatorId.clear();
        SetCurrentDateTimeForTests(std::nullopt);
        WindowFixture::TearDown();
    }
};

TEST_F(CorrectionGateTest, OnlyTheLoginNameChiefByteForByteIsTheAdministrator) {
    const std::pair<const char*, bool> cases[] = {
        {"Chief", true},  {"chief", false}, {"Chief ", false},      {" Chief", false},
        {"CHIEF", false}, {"", false},      {"13800000001", false},
    };
    for (const auto& [tel, privileged] : cases) {
        operatorTel = tel;
        EXPECT_EQ(IsPrivilegedOperator(), privileged) << '"' << tel << '"';
    }
}

TEST_F(CorrectionGateTest, TheDangerQuestionGoesOnOnlyAfterOk) {
    dialogs().queueMessageBoxAnswer(0);
    EXPECT_TRUE(ConfirmDangerousOperation());
    ASSERT_EQ(dialogs().messageBoxes().size(), 1u);
    const auto& asked = dialogs().messageBoxes()[0];
    EXPECT_EQ(asked.message,
              "本操作非常危险，请您务必小心操作，如有疑问请首先致电开发者12300004567，切记，"
              "你的数据务必重要\r\n\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014\u2014"
              "\u2014\u2014\r\n你可以点击取消终止操作");
    EXPECT_EQ(asked.title, "危险提示！！！");
    EXPECT_EQ(asked.style, 1);
    EXPECT_TRUE(dialogs().balloons().empty());

    dialogs().queueMessageBoxAnswer(1);
    EXPECT_FALSE(ConfirmDangerousOperation());
    ASSERT_EQ(dialogs().balloons().size(), 1u);
    EXPECT_EQ(dialogs().balloons()[0].text, "未进行操作");
}

TEST_F(CorrectionGateTest, TheAuditNoteWritesTheTimeOnTheTwelveHourClockWithoutAMarker) {
    operatorName = "王五";
    operatorTel = "Chief";
    operatorId = "7";
    const struct {
        int hour, minute, second;
        const char* time;
    } cases[] = {{14, 5, 9, "02:05:09"},
                 {0, 30, 0, "12:30:00"},
                 {12, 0, 0, "12:00:00"},
                 {9, 7, 3, "09:07:03"},
                 {23, 59, 59, "11:59:59"}};
    for (const auto& c : cases) {
        SetCurrentDateTimeForTests(MakeDateTime(2024, 3, 5, c.hour, c.minute, c.second));
        EXPECT_EQ(BuildAuditNote(kRechargeDeletedEnding),
                  std::string("管理员王五[Chief][7]于2024-03-05 ") + c.time + "删除了本条充值记录");
    }
    EXPECT_EQ(BuildAuditNote(kConsumptionDeletedEnding),
              "管理员王五[Chief][7]于2024-03-05 11:59:59删除了本条消费记录");
}

TEST_F(CorrectionGateTest, ATypedValueThatGbkCannotHoldIsRefused) {
    const std::pair<const char*, bool> cases[] = {
        {"张三", true}, {"Tom ", true}, {"13800000001", true}, {"O'Brien", true},   {"a\\b", true},
        {"x\"y", true}, {"😀", false},   {"吕ü", true},         {"\xE5\xBC", false},
    };
    for (const auto& [text, storable] : cases)
        EXPECT_EQ(IsStorableCorrection(text), storable) << text;
}

}  // namespace

namespace {

// A correction whose answer never comes is looked up after its session has ended: one
// that waited on another desk's lock never lands and fails; one that a frozen server ran
// once resumed is found in place and succeeds.
TEST(CorrectionConnectionTest, ALostAnswerIsLookedUpAfterTheLostSessionHasEnded) {
    TestDatabase db;
    ASSERT_NO_FATAL_FAILURE(db.EmptyTables());
    db.Run("INSERT INTO xmlist (xm_name, xm_del) VALUES ('足疗', 0)");
    const Sql mark("UPDATE xmlist SET xm_del = 1 WHERE xm_id = 1 AND xm_del <> 1");
    const Sql marked("SELECT COUNT(*) AS n FROM xmlist WHERE xm_id = 1 AND xm_del = 1");
    ShortAnswerTimeout guard;
    {
        CorrectionConnection connection;
        db.Run("START TRANSACTION; SELECT * FROM xmlist FOR UPDATE");
        EXPECT_FALSE(connection.changeRows(mark, marked));
        db.Run("ROLLBACK");
    }
    Pump(500);
    EXPECT_EQ(db.Rows("SELECT xm_del FROM xmlist")[0][0], "0") << "the lost change landed later";

    // Frozen with the change in its socket, resumed while the client reconnects: whether the
    // change ran before its session was ended or not, the answer is the truth.
    CorrectionConnection connection;
    FreezeDatabaseServer();
    Pump(200);  // the signal takes a moment to stop every thread
    std::thread resume([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        ResumeDatabaseServer();
    });
    const bool changed = connection.changeRows(mark, marked);
    resume.join();
    EXPECT_EQ(changed, db.Rows("SELECT xm_del FROM xmlist")[0][0] == "1");
}

}  // namespace
