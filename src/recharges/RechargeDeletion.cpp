#include "recharges/RechargeDeletion.h"

#include <QMenu>

#include "admin/AuditNote.h"
#include "admin/RecordDeletion.h"
#include "common/Notices.h"
#include "controls/ListMenus.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "members/CardRowsRefresh.h"
#include "members/SelectedMemberRefresh.h"
#include "recharges/RechargeHistory.h"

namespace {

const DeletableRecords kRecharges{"paylist", "pay_id", "pay_del", "pay_notes",
                                  kRechargeDeletedEnding};

void ShowRecordGone(const DeletedRecord& record) {
    RerunRechargeHistory();
    RefreshSelectedMemberTotals();
    // The selected row need not be the record's member.
    RefreshMemberRowsOfCard(record.cardNumber);
}

}  // namespace

void DeleteSelectedRechargeRecord() {
    DeleteSelectedRecord(
        TheMainWindow().ui.超级列表框_会员充值_充值列表, kRecharges,
        [](const DeletedRecord& record) {
            ShowNotice("删除充值记录成功，ID为：" + record.id + "、用户姓名为：" + record.name);
            ShowRecordGone(record);
        },
        // Deleted at another desk first: this desk's figures still count the record.
        ShowRecordGone);
}

void ConnectRechargeDeletion(MainWindow& window) {
    QMenu* menu =
        AttachListMenu(&window, window.ui.超级列表框_会员充值_充值列表, QStringLiteral("充值操作"),
                       [] { DeleteSelectedRechargeRecord(); });
    menu->addAction(QStringLiteral("删除充值记录"), &window,
                    [] { DeleteSelectedRechargeRecord(); });
}
