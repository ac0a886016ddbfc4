#include "consumption/ConsumptionDeletion.h"

#include <QMenu>

#include "admin/AuditNote.h"
#include "admin/RecordDeletion.h"
#include "common/Notices.h"
#include "consumption/ConsumptionHistory.h"
#include "controls/ListMenus.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "members/CardRowsRefresh.h"
#include "members/SelectedMemberRefresh.h"

namespace {

const DeletableRecords kBills{"costlist", "cost_id", "cost_del", "cost_notes",
                              kConsumptionDeletedEnding};

void ShowRecordGone(const DeletedRecord& record) {
    RerunConsumptionHistory();
    RefreshSelectedMemberTotals();
    // The selected row need not be the record's member.
    RefreshMemberRowsOfCard(record.cardNumber);
}

}  // namespace

void DeleteSelectedConsumptionRecord() {
    DeleteSelectedRecord(
        TheMainWindow().ui.超级列表框_会员消费_消费列表, kBills,
        [](const DeletedRecord& record) {
            ShowNotice("删除消费记录成功，ID为：" + record.id + "、用户姓名为：" + record.name);
            ShowRecordGone(record);
        },
        // Deleted at another desk first: this desk's figures still count the record.
        ShowRecordGone);
}

void ConnectConsumptionDeletion(MainWindow& window) {
    QMenu* menu =
        AttachListMenu(&window, window.ui.超级列表框_会员消费_消费列表, QStringLiteral("消费操作"),
                       [] { DeleteSelectedConsumptionRecord(); });
    menu->addAction(QStringLiteral("删除消费记录"), &window,
                    [] { DeleteSelectedConsumptionRecord(); });
}
