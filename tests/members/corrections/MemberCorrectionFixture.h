#pragma once
// Page 0 over a few members, signed in as 王五 and then made the administrator by the
// login name alone (the login screen would let other spellings of it in).

#include <QAction>
#include <QMenu>
#include <QTest>

#include "SignedInWindow.h"
#include "controls/ListView.h"
#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "login/SignedInOperator.h"

class MemberCorrectionFixture : public SignedInWindow {
  protected:
    void StartAsAdministrator() {
        db.Run(
            "INSERT INTO userlist (user_id, user_del, user_name, user_tel) VALUES "
            "(1, 0, '张三', '13800000001'), (2, 0, 'Tom', '13900000002'), "
            "(3, 0, '李四', '15000000003')");
        ASSERT_NO_FATAL_FAILURE(StartSignedIn());
        operatorTel = "Chief";
    }
    void TearDown() override {
        operatorTel.clear();
        SignedInWindow::TearDown();
    }

    QMenu* memberMenu() { return window().findChild<QMenu*>(QStringLiteral("会员操作")); }
    // Chooses the menu's entry, as a click on it would.
    void Choose(const QString& entry) {
        for (QAction* action : memberMenu()->actions())
            if (action->text() == entry) return action->trigger();
        ADD_FAILURE() << "no entry " << entry.toStdString();
    }

    std::vector<std::vector<std::string>> Members() {
        return db.Rows(
            "SELECT user_id, user_del, user_name, user_tel FROM userlist ORDER BY user_id");
    }
    int OpenConnections() {
        return std::stoi(db.Rows("SHOW GLOBAL STATUS LIKE 'Threads_connected'")[0][1]);
    }
    // The server lets a closed connection go a moment after the client has closed it.
    bool ConnectionsBackTo(int count) {
        return WaitUntil([&] { return OpenConnections() <= count; }, std::chrono::seconds(2));
    }
};
