#include "db/records.h"

#include "database_test.h"

namespace {

using Texts = std::vector<std::string>;

class RecordsTest : public DatabaseTest {
  protected:
    // Runs the list query through the shared runner and reads every row with the reader.
    template <typename Record, typename Reader>
    std::vector<Record> ReadAll(const std::string& select, Reader reader) {
        auto lock = LockSharedDatabase();
        std::vector<Record> records(RunSharedQuery(Sql(select)));
        for (size_t n = 1; n <= records.size(); ++n) reader(records[n - 1], static_cast<int>(n));
        FreeSharedResultSet();
        return records;
    }
};

TEST_F(RecordsTest, MemberRowsAreReadInTheStatementsOrderIntoTheirFields) {
    database.Run(
        "INSERT INTO userlist VALUES (1, 0, 'n1', 't1', 'k1', 'a1', 'w1', 'x1'),"
        " (2, 0, 'n2', 't2', 'k2', 'a2', 'w2', 'x2'), (3, 0, '张三', 't3', 'k3', 'a3', 'w3', "
        "'x3')");
    auto members = ReadAll<MemberRecord>(
        "SELECT * FROM `marlovia`.`userlist` WHERE `user_del` <> 1 ORDER BY `user_id` DESC",
        ReadMemberRow);
    ASSERT_EQ(members.size(), 3u);
    const MemberRecord& m = members[0];
    EXPECT_EQ((Texts{m.user_id, m.user_del, m.user_name, m.user_tel, m.user_key, m.user_add,
                     m.user_wxid, m.user_notes}),
              (Texts{"3", "0", "张三", "t3", "k3", "a3", "w3", "x3"}));
    EXPECT_EQ(members[1].user_name, "n2");
    EXPECT_EQ(members[2].user_name, "n1");
}

TEST_F(RecordsTest, RechargeAndConsumptionRowsFillTheirTwelveFields) {
    database.Run(
        "INSERT INTO paylist (pay_time, pay_money, pay_give, pay_total, pay_method, pay_notes,"
        " pay_del, user_id, user_name, boss_id, boss_name) VALUES ('2024-01-02 03:04:05', '100',"
        " '20', '120', '微信', NULL, 0, 7, '张三', '1', '店长')");
    database.Run(
        "INSERT INTO costlist (cost_notes, cost_money, cost_del, cost_date, xm_id, xm_name,"
        " xm_money, user_id, user_name, boss_id, boss_name) VALUES ('足疗[68]', '68', 0,"
        " '2024-01-02 03:04:05', '1', '足疗', '68', 7, '张三', '1', '店长')");

    auto recharges = ReadAll<RechargeRecord>("SELECT * FROM `marlovia`.`paylist`", ReadRechargeRow);
    ASSERT_EQ(recharges.size(), 1u);
    const RechargeRecord& p = recharges[0];
    EXPECT_EQ((Texts{p.pay_id, p.pay_time, p.pay_money, p.pay_give, p.pay_total, p.pay_method,
                     p.pay_notes, p.pay_del, p.user_id, p.user_name, p.boss_id, p.boss_name}),
              (Texts{"1", "2024-01-02 03:04:05", "100", "20", "120", "微信", "", "0", "7", "张三",
                     "1", "店长"}));

    auto bills =
        ReadAll<ConsumptionRecord>("SELECT * FROM `marlovia`.`costlist`", ReadConsumptionRow);
    ASSERT_EQ(bills.size(), 1u);
    const ConsumptionRecord& c = bills[0];
    EXPECT_EQ((Texts{c.cost_id, c.cost_notes, c.cost_money, c.cost_del, c.cost_date, c.xm_id,
                     c.xm_name, c.xm_money, c.user_id, c.user_name, c.boss_id, c.boss_name}),
              (Texts{"1", "足疗[68]", "68", "0", "2024-01-02 03:04:05", "1", "足疗", "68", "7",
                     "张三", "1", "店长"}));
}

// The long lists read every row in one pass: the same fields as row by row, in the same
// order, a NULL as the empty text, and the current row of the result left where it was.
TEST_F(RecordsTest, ReadingAllRowsInOnePassGivesWhatRowByRowGives) {
    database.Run(
        "INSERT INTO paylist (pay_time, pay_money, pay_give, pay_total, pay_method, pay_notes,"
        " pay_del, user_id, user_name, boss_id, boss_name) VALUES ('2024-01-02 03:04:05', '100',"
        " '20', '120', '微信', NULL, 0, 7, '张三', '1', '店长'), ('2024-01-03 03:04:05', '5.5',"
        " '', '5.5', '现金', '备注', 0, 8, '李四', '', '')");
    database.Run(
        "INSERT INTO costlist (cost_notes, cost_money, cost_del, cost_date, xm_id, xm_name,"
        " xm_money, user_id, user_name, boss_id, boss_name) VALUES ('足疗[68]', '68', 0,"
        " '2024-01-02 03:04:05', '1', '足疗', '68', 7, '张三', '1', '店长'), (NULL, '9', 0,"
        " '2024-01-04 03:04:05', '', '0个项目', '9', 8, '李四', '', '')");
    auto recharge = [](const RechargeRecord& p) {
        return Texts{p.pay_id,    p.pay_time, p.pay_money, p.pay_give,  p.pay_total, p.pay_method,
                     p.pay_notes, p.pay_del,  p.user_id,   p.user_name, p.boss_id,   p.boss_name};
    };
    auto bill = [](const ConsumptionRecord& c) {
        return Texts{c.cost_id, c.cost_notes, c.cost_money, c.cost_del,  c.cost_date, c.xm_id,
                     c.xm_name, c.xm_money,   c.user_id,    c.user_name, c.boss_id,   c.boss_name};
    };
    const std::string pays = "SELECT * FROM `marlovia`.`paylist` ORDER BY `pay_id` DESC";
    const std::string costs = "SELECT * FROM `marlovia`.`costlist` ORDER BY `cost_id` DESC";
    std::vector<Texts> rowByRow, onePass;
    for (const auto& p : ReadAll<RechargeRecord>(pays, ReadRechargeRow))
        rowByRow.push_back(recharge(p));
    for (const auto& c : ReadAll<ConsumptionRecord>(costs, ReadConsumptionRow))
        rowByRow.push_back(bill(c));

    auto lock = LockSharedDatabase();
    ASSERT_EQ(RunSharedQuery(Sql(pays)), 2);
    RecordsetSeekRow(sharedResultSet, 1);
    ReadRechargeRows([&](RechargeRecord& p) { onePass.push_back(recharge(p)); });
    std::string current;
    RecordsetReadField(sharedResultSet, "user_name", current);
    EXPECT_EQ(current, "张三") << "the second row stays current";
    FreeSharedResultSet();
    ASSERT_EQ(RunSharedQuery(Sql(costs)), 2);
    ReadConsumptionRows([&](ConsumptionRecord& c) { onePass.push_back(bill(c)); });
    FreeSharedResultSet();

    ASSERT_EQ(rowByRow.size(), 4u);
    EXPECT_EQ(onePass, rowByRow);
    EXPECT_EQ(onePass[1][6], "") << "pay_notes is NULL";
    EXPECT_EQ(onePass[2][1], "") << "cost_notes is NULL";
}

TEST_F(RecordsTest, ServiceItemPriceAndFlagLandInTheirOwnFields) {
    database.Run("INSERT INTO xmlist (xm_name, xm_del, xm_money) VALUES ('修脚', 0, '38')");
    auto items =
        ReadAll<ServiceItemRecord>("SELECT * FROM `marlovia`.`xmlist`", ReadServiceItemRow);
    ASSERT_EQ(items.size(), 1u);
    const ServiceItemRecord& i = items[0];
    EXPECT_EQ((Texts{i.xm_id, i.xm_name, i.xm_del, i.xm_money, i.xm_notes}),
              (Texts{"1", "修脚", "0", "38", ""}))
        << "xm_notes is NULL";
}

TEST_F(RecordsTest, OperatorRowsFillTheirFourFields) {
    ASSERT_NO_FATAL_FAILURE(database.EmptyTables(true));
    auto operators =
        ReadAll<OperatorRecord>("SELECT * FROM `marlovia`.`bosslist`", ReadOperatorRow);
    ASSERT_EQ(operators.size(), 1u);
    const OperatorRecord& o = operators[0];
    EXPECT_EQ((Texts{o.boss_id, o.boss_tel, o.boss_name, o.boss_key}),
              (Texts{"1", "Chief", "店长", "chief123"}));
}

TEST_F(RecordsTest, PrefixedAndUnprefixedNamesReachTheSameTable) {
    ASSERT_TRUE(DbExecute(GetSharedConnection(),
                          Sql("INSERT INTO `marlovia`.`xmlist` (`xm_name`, `xm_money`, `xm_del`) "
                              "VALUES ('")
                              .texts({"采耳", "30", "0"})
                              .literal("')")));
    auto items = ReadAll<ServiceItemRecord>("SELECT * FROM xmlist", ReadServiceItemRow);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].xm_name, "采耳");
}

}  // namespace
