#include "members/MemberList.h"

#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "form/MainWindow.h"
#include "common/Threads.h"
#include "db/records.h"
#include "db/shared.h"

namespace {

ListView* VisibleList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }
ListView* SpareList() { return TheMainWindow().ui.超级列表框_会员管理_会员列表备用; }

void AppendMemberRow(ListView* list, const MemberRecord& record) {
    const int row = ListViewInsertRow(list);
    ListViewSetCell(list, row, 0, record.user_id);
    ListViewSetCell(list, row, 1, record.user_name);
    ListViewSetCell(list, row, 2, record.user_tel);
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
    ListViewClear(visible);
    ListViewClear(spare);
    Sql statement("SELECT * FROM `marlovia`.`userlist` WHERE `user_del` <> 1");
    if (TheMainWindow().ui.选择框_新纪录在最前->isChecked())
        statement.literal(" ORDER BY `user_id` DESC");
    auto lock = LockSharedDatabase();
    const int n = RunSharedQuery(statement);
    MemberRecord record;
    for (int i = 1; i <= n; ++i) {
        ReadMemberRow(record, i);
        AppendMemberRow(visible, record);
        AppendMemberRow(spare, record);
    }
    FreeSharedResultSet();
}

void ResetMemberSearch() {
    SetText(TheMainWindow().ui.编辑框_会员管理_搜索, "");
    LoadMemberList(VisibleList(), SpareList());
    StartThread(ComputedColumnsThreadEntry);
}

void ConnectMemberList(MainWindow& window) {
    QObject::connect(window.ui.按钮_会员管理_搜索, &QAbstractButton::clicked, &window,
                     [] { ResetMemberSearch(); });
}
