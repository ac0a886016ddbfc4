#pragma once
// The main window over a known database, an operator signed in and page 0 shown.

#include <QPoint>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "runtime/datetime.h"
#include "test_database.h"

class QWidget;
class ListView;

class SignedInWindow : public WindowFixture {
  protected:
    // Empties the tables (the first-run rows and the operator 王五, boss_id 2, are put
    // back); the window is not started yet, so tests add their rows first.
    void SetUp() override;
    void TearDown() override;

    // Starts the window, signs 王五 in, shows page 0 and lets the list's totals settle.
    void StartSignedIn();

    ListView* members();
    ListView* spareMembers();
    // The first row with this card number in the list (the visible one by default); -1.
    int RowOfCard(const std::string& card, ListView* list = nullptr);
    void SelectCard(const std::string& card);
    std::vector<std::string> RowCells(ListView* list, int row);
    // Appends a row with these cells to the visible list, as a load would leave it.
    void AppendListRow(const std::vector<std::string>& cells);

    // A left click: a text button acts as the button goes down, any other as it comes up.
    void Click(QWidget* button);
    void WaitForWorkers();
    // The shared connection is renewed towards a port where nothing listens.
    void CutDatabase();

    std::vector<std::string> BalloonTexts();

    static DateTime At(int year, int month, int day, int hour, int minute, int second);

    TestDatabase db;
    static constexpr QPoint kPointer{400, 300};
};
