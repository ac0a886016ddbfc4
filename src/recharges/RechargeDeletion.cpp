#include "recharges/RechargeDeletion.h"

#include <QMenu>

#include "admin/AuditNote.h"
#include "admin/RecordDeletion.h"
#include "common/Notices.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "members/CardRowsRefresh.h"
#include "members/SelectedMemberRefresh.h"
#include "recharges/RechargeHistory.h"

namespace {

const DeletableRecords kRecharges{"paylist", "pay_id", "pay_del", "pay_notes",
                                  kRechargeDeletedEnding};

}  // namespace

void DeleteSelectedRechargeRecord() {
    DeleteSelectedRecord(
        TheMainWindow().ui.超级列表框_会员充值_充值列表, kRecharges,
        [](const DeletedRecord& record) {
            ShowNotice("删除充值记录成功，ID为：" + record.id + "、用户姓名为：" + record.name);
            RerunRechargeHistory();
            RefreshSelectedMemberTotals();
            // The selected row need not be the record's member.
            RefreshMemberRowsOfCard(record.cardNumber);
        });
}

void ConnectRechargeDeletion(MainWindow& window) {
    auto* menu = new QMenu(QStringLiteral("充值操作"), &window);
    menu->setObjectName(QStringLiteral("充值操作"));
    menu->addAction(QStringLiteral("删除充值记录"), &window,
                    [] { DeleteSelectedRechargeRecord(); });
    ListView* list = window.ui.超级列表框_会员充值_充值列表;
    QObject::connect(list, &ListView::rightClicked, &window,
                     [&window, menu] { PopupMenuAtCursor(&window, menu); });
    QObject::connect(list, &ListView::deleteKeyPressed, &window,
                     [] { DeleteSelectedRechargeRecord(); });
}
