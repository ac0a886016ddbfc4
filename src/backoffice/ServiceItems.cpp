#include "backoffice/ServiceItems.h"

#include <QLineEdit>
#include <QPushButton>

#include "backoffice/ItemUsage.h"
#include "backoffice/SettingsPage.h"
#include "common/Notices.h"
#include "common/PlainAmount.h"
#include "controls/AmountValidator.h"
#include "controls/WindowOps.h"
#include "db/records.h"
#include "db/shared.h"
#include "db/sql.h"
#include "db/write_once.h"
#include "form/MainWindow.h"
#include "runtime/texts.h"

namespace {

Ui::MainWindow& Form() { return TheMainWindow().ui; }

const char kConfirmPrompt[] = "需要二次确认密码，请输入";
const char kConfirmTitle[] = "密码二次验证";

// The quick bill shows an item as name + "[" + price + "]" and reads the price from the
// first pair of brackets: a bracket in the name would make it charge the wrong amount.
bool NameHoldsBracket(const std::string& name) {
    return name.find_first_of("[]") != std::string::npos;
}

// Only a plain amount is stored: the bill converts the text the same way the server sums it.
bool PriceIsAcceptable(const std::string& price) {
    return IsPlainAmount(price, AmountSign::PositiveOnly) && ToInteger(price) > 0;
}

// Stored once: a lost answer is looked up before the failure is told or the next press
// adds the item a second time.
bool InsertServiceItem(const std::string& name, const std::string& price) {
    static WriteOnce items("xm_name");
    const RowValues row{"xmlist", {{"xm_name", name}, {"xm_money", price}, {"xm_del", "0"}}};
    return items.Write(row, [&](DbHandle connection) {
        Sql statement("INSERT INTO `marlovia`.`xmlist`(`xm_name`, `xm_money` ,`xm_del`) VALUES ('");
        statement.text(name).literal("', '").text(price).literal("', '").text("0").literal("')");
        return InsertOutcome(connection, DbExecute(connection, statement));
    }) == WriteOutcome::Stored;
}

}  // namespace

void LoadServiceItems(bool includeDeleted) {
    ListView* list = Form().超级列表框_项目设置;
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
    ListViewWidenColumnsToContents(list);
}

void ReloadServiceItems() { LoadServiceItems(false); }

void AddServiceItem() {
    auto& ui = Form();
    const std::string name = TextOf(ui.编辑框_项目名称);
    const std::string price = TextOf(ui.编辑框_项目金额);
    if (name.empty() || !PriceIsAcceptable(price)) {
        ShowMessageBox("项目名称和金额不能同时为空", 0, "错误提示");
        return;
    }
    if (NameHoldsBracket(name)) {
        ShowMessageBox("项目名称不能含有[或]", 0, "错误提示");
        return;
    }
    if (!ConfirmPasswordAgain(kConfirmPrompt, kConfirmTitle)) return;
    if (!InsertServiceItem(name, price)) {
        ShowNotice("操作失败，错误代码[561254545]");
        return;
    }
    ShowNotice("新增成功");
    SetText(ui.编辑框_项目名称, "");
    SetText(ui.编辑框_项目金额, "");
    LoadServiceItems(false);
}

void DeleteSelectedServiceItem() {
    ListView* list = Form().超级列表框_项目设置;
    const int row = ListViewCurrentRow(list);
    if (row < 0) return;
    const std::string id = ListViewGetCell(list, row, 0);
    if (id.empty()) return;
    if (!ConfirmPasswordAgain(kConfirmPrompt, kConfirmTitle)) return;
    bool deleted = false;
    {
        auto lock = LockSharedDatabase();
        GetSharedConnection();
        Sql statement("UPDATE `marlovia`.`xmlist` SET `xm_del` = 1 WHERE `xm_id` = ");
        statement.id(id);
        deleted = DbExecute(sharedConnection, statement);
    }
    if (!deleted) {
        ShowMessageBox("操作失败", 0, "错误提示[56522145]");
        return;
    }
    LoadServiceItems(false);
}

void ConnectServiceItems(MainWindow& window) {
    auto& ui = window.ui;
    ui.编辑框_项目金额->setValidator(
        new AmountValidator(AmountValidator::Sign::PositiveOnly, ui.编辑框_项目金额));
    QObject::connect(ui.按钮_新增项目, &QAbstractButton::clicked, &window,
                     [] { AddServiceItem(); });
    QObject::connect(ui.按钮_删除项目, &QAbstractButton::clicked, &window,
                     [] { DeleteSelectedServiceItem(); });
    QObject::connect(ui.按钮_项目消费重新载入, &QAbstractButton::clicked, &window,
                     [] { ReloadServiceItems(); });
    QObject::connect(ui.按钮_项目消费次数统计, &QAbstractButton::clicked, &window,
                     [] { ShowItemUsageStatistics(); });
}
