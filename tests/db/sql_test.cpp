#include "db/sql.h"

#include <gtest/gtest.h>

namespace {

// Shows where the escape was applied.
std::string Marked(std::string_view value) {
    std::string marked(1, '<');
    marked.append(value).push_back('>');
    return marked;
}

TEST(SqlTest, JoinsPiecesInOrderEscapingOnlyQuotedValues) {
    Sql statement("UPDATE `marlovia`.`paylist` SET `pay_notes` = '");
    statement.text("note").literal("' WHERE `pay_id` = ").id("12");
    EXPECT_EQ(statement.render(Marked),
              "UPDATE `marlovia`.`paylist` SET `pay_notes` = '<note>' WHERE `pay_id` = 12");
    EXPECT_EQ(statement.preview(),
              "UPDATE `marlovia`.`paylist` SET `pay_notes` = 'note' WHERE `pay_id` = 12");
}

TEST(SqlTest, TextsAreJoinedAsTheInsideOfAValueList) {
    Sql statement("INSERT INTO xmlist (xm_name, xm_money, xm_del) VALUES ('");
    statement.texts({"足疗", "68", "0"}).literal("')");
    EXPECT_EQ(statement.render(Marked),
              "INSERT INTO xmlist (xm_name, xm_money, xm_del) VALUES ('<足疗>','<68>','<0>')");
}

TEST(SqlTest, AnIdThatIsNotAWholeNumberKeepsTheStatementFromBeingBuilt) {
    for (const char* id : {"1 OR 1=1", "", "1.5", "12;"}) {
        Sql statement("DELETE FROM `marlovia`.`userlist` WHERE `user_id` = ");
        EXPECT_EQ(statement.id(id).render(Marked), std::nullopt) << id;
    }
}

TEST(SqlTest, WholeNumberIsAnOptionalMinusThenDigits) {
    struct Case {
        const char* text;
        bool whole;
    };
    const Case cases[] = {
        {"0", true},    {"-12", true},  {"007", true},  {"2147483648", true}, {"", false},
        {"-", false},   {"+1", false},  {" 1", false},  {"1 ", false},        {"1.0", false},
        {"1e3", false}, {"--1", false}, {"12a", false}, {"１", false},        {"-0x1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsWholeNumber(c.text), c.whole) << '"' << c.text << '"';
}

}  // namespace
