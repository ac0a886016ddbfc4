#pragma once
// A signed-in window over members, recharges and consumption records the test puts in.

#include <QTest>
#include <string>
#include <vector>

#include "LoginFixture.h"
#include "controls/ListView.h"
#include "controls/ListViewOps.h"

using Cells = std::vector<std::string>;

class MemberListFixture : public LoginFixture {
  protected:
    void StartSignedIn() {
        ASSERT_NO_FATAL_FAILURE(StartAndLoad());
        TypeLogin("Chief", "chief123");
        PerformLogin();
        ASSERT_EQ(loggedIn, 1);
        dialogs().clear();
    }

    void AddMember(const std::string& card, const std::string& name, const std::string& tel = "") {
        db.Run("INSERT INTO userlist (user_id, user_del, user_name, user_tel) VALUES (" + card +
               ", 0, '" + name + "', '" + tel + "')");
    }
    void AddRecharge(const std::string& card, int money, int total, int del = 0) {
        db.Run("INSERT INTO paylist (pay_money, pay_total, pay_del, user_id) VALUES ('" +
               std::to_string(money) + "', '" + std::to_string(total) + "', " +
               std::to_string(del) + ", " + card + ")");
    }
    void AddConsumption(const std::string& card, int money, int del = 0) {
        db.Run("INSERT INTO costlist (cost_money, cost_del, user_id) VALUES ('" +
               std::to_string(money) + "', " + std::to_string(del) + ", " + card + ")");
    }

    ListView* visible() { return ui().超级列表框_会员管理_会员列表; }
    ListView* spare() { return ui().超级列表框_会员管理_会员列表备用; }

    static Cells Row(ListView* list, int row) {
        Cells cells;
        for (int column = 0; column < 9; ++column)
            cells.push_back(ListViewGetCell(list, row, column));
        return cells;
    }
    static std::vector<Cells> Rows(ListView* list) {
        std::vector<Cells> rows;
        for (int row = 0; row < ListViewRowCount(list); ++row) rows.push_back(Row(list, row));
        return rows;
    }
    static int RowOf(ListView* list, const std::string& card) {
        for (int row = 0; row < ListViewRowCount(list); ++row)
            if (ListViewGetCell(list, row, 0) == card) return row;
        return -1;
    }
    static void PutRows(ListView* list, const std::vector<Cells>& rows) {
        ListViewClear(list);
        for (const Cells& cells : rows) {
            const int row = ListViewInsertRow(list);
            for (int column = 0; column < static_cast<int>(cells.size()); ++column)
                ListViewSetCell(list, row, column, cells[column]);
        }
    }

    void ClickMemberNavigation() { QTest::mouseClick(ui().按钮_会员管理, Qt::LeftButton); }
    void WaitForPasses() {
        ASSERT_TRUE(WaitUntil([] { return RunningWorkerThreads() == 0; }));
    }

    // A counter of the server's (SHOW GLOBAL STATUS); the fixture's own SHOW adds nothing.
    int ServerCounter(const std::string& name) {
        const auto rows = db.Rows("SHOW GLOBAL STATUS LIKE '" + name + "'");
        return rows.empty() ? -1 : std::stoi(rows[0][1]);
    }
};
