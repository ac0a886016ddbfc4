#include "backoffice/ServiceItems.h"

#include "controls/ListViewOps.h"
#include "db/records.h"
#include "db/shared.h"
#include "db/sql.h"
#include "form/MainWindow.h"
#include "runtime/texts.h"

void LoadServiceItems(bool includeDeleted) {
    ListView* list = TheMainWindow().ui.超级列表框_项目设置;
    ListViewClear(list);
    const Sql statement(includeDeleted ? "SELECT * FROM `marlovia`.`xmlist`"
                                       : "SELECT * FROM `marlovia`.`xmlist` WHERE `xm_del` <> 1");
    auto lock = LockSharedDatabase();
    GetSharedConnection();
    const int n = RunSharedQuery(statement);
    ServiceItemRecord record;
    for (int i = 1; i <= n; ++i) {
        ReadServiceItemRow(record, i);
        const int row = ListViewInsertRow(list);
        ListViewSetCell(list, row, 0, record.xm_id);
        ListViewSetCell(
            list, row, 1,
            ToInteger(record.xm_del) == 1 ? "_[" + record.xm_name + "]" : record.xm_name);
        ListViewSetCell(list, row, 2, record.xm_money);
    }
    FreeSharedResultSet();
}
