#include "members/MemberList.h"

#include <string>
#include <utility>
#include <vector>

#include "common/Threads.h"
#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "db/records.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "members/MemberCorrections.h"
#include "members/MemberListSweep.h"
#include "members/MemberSearch.h"
#include "members/MemberSearchKeys.h"

namespace {

ListView* VisibleList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* SpareList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

// The first keystroke after a load would otherwise make the key of every name at once.
void PrepareKeysOf(ListView* spare, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> names, phones;
    names.reserve(rows.size());
    phones.reserve(rows.size());
    for (const auto& row : rows) {
        names.push_back(row[1]);
        phones.push_back(row[2]);
    }
    PrepareSearchKeys(spare, 1, std::move(names));
    PrepareSearchKeys(spare, 2, std::move(phones));
}

}  // namespace

void OnMemberNavigation() {
    if (TextOf(TheMainWindow().ui.编辑框_会员管理_搜索).empty() &&
        ListViewRowCount(VisibleList()) == 0) {
        LoadMemberList(VisibleList(), SpareList());
        StartThread(ComputedColumnsThreadEntry);
    }
}

void LoadMemberList(ListView* visible, ListView* spare) {
    NoteMemberListLoad();  // a pass still running for the old rows is of no use now
    ListViewClear(visible);
    ListViewClear(spare);
    Sql statement("SELECT * FROM `marlovia`.`userlist` WHERE `user_del` <> 1");
    if (TheMainWindow().ui.选择框_新纪录在最前->isChecked())
        statement.literal(" ORDER BY `user_id` DESC");
    auto lock = LockSharedDatabase();
    const int n = RunSharedQuery(statement);
    // Both lists take all rows at once: one notification each instead of one per row.
    std::vector<std::vector<std::string>> rows;
    rows.reserve(n);
    MemberRecord record;
    for (int i = 1; i <= n; ++i) {
        ReadMemberRow(record, i);
        rows.push_back(
            {std::move(record.user_id), std::move(record.user_name), std::move(record.user_tel)});
    }
    FreeSharedResultSet();
    lock.unlock();
    if (!rows.empty()) PrepareKeysOf(spare, rows);

    ListViewAppendRows(spare, rows);
    ListViewAppendRows(visible, std::move(rows));
    NoteVisibleRowsAreSpareRows();
}

void ResetMemberSearch() {
    SetText(TheMainWindow().ui.编辑框_会员管理_搜索, "");
    LoadMemberList(VisibleList(), SpareList());
    StartThread(ComputedColumnsThreadEntry);
}

// The panels close before the reload: one left open would be opened again for the next row,
// and the quick-consume panel would still charge the deleted card.
void DropDeletedMember() {
    auto& ui = TheMainWindow().ui;
    ui.外形框_新增会员->hide();
    ui.外形框_快速消费->hide();
    ResetMemberSearch();
}

void ConnectMemberList(MainWindow& window) {
    ConnectMemberSearch(window);
    ConnectMemberCorrections(window);
    QObject::connect(window.ui.按钮_会员管理_搜索, &QAbstractButton::clicked, &window,
                     [] { ResetMemberSearch(); });
}
