#include "members/MemberCorrections.h"

#include <QMenu>
#include <optional>
#include <string>

#include "admin/AdminGate.h"
#include "admin/CorrectionConnection.h"
#include "common/Notices.h"
#include "controls/ListMenus.h"
#include "controls/ListView.h"
#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "members/MemberList.h"

namespace {

constexpr int kPlainEntry = 1;

ListView* MemberListView() { return TheMainWindow().ui.超级列表框_会员管理_会员列表; }

struct CorrectedRow {
    int row = -1;
    std::string cardNumber;
    std::string value;  // the cell the correction reads besides the card number
};

// The gate, the current row and its cells; nullopt stops the correction without a word.
std::optional<CorrectedRow> CorrectionPreamble(int valueColumn) {
    if (!IsPrivilegedOperator()) return std::nullopt;
    ListView* list = MemberListView();
    CorrectedRow target;
    target.row = ListViewCurrentRow(list);
    if (target.row < 0) return std::nullopt;
    target.cardNumber = ListViewGetCell(list, target.row, 0);
    target.value = ListViewGetCell(list, target.row, valueColumn);
    if (target.cardNumber.empty()) return std::nullopt;
    return target;
}

// The new text, or nullopt when cancelled, emptied or left as it was.
std::optional<std::string> AskNewValue(const std::string& prompt, const std::string& title,
                                       const std::string& old) {
    std::string typed;
    if (!ShowInputBox(prompt, title, &old, typed, kPlainEntry)) return std::nullopt;
    if (typed.empty() || typed == old) return std::nullopt;
    return typed;
}

// Sets one column of the member's live row. False when nothing was changed.
bool UpdateMember(CorrectionConnection& connection, const char* column, const std::string& value,
                  const std::string& cardNumber) {
    if (!IsStorableCorrection(value)) return false;
    Sql statement("UPDATE `marlovia`.`userlist` SET `");
    statement.literal(column).literal("` = '").text(value).literal("' WHERE `user_id` =");
    statement.id(cardNumber).literal(" AND `user_del` <> 1");
    Sql inPlace("SELECT COUNT(*) AS n FROM `marlovia`.`userlist` WHERE `user_id` = ");
    inPlace.id(cardNumber).literal(" AND BINARY `").literal(column).literal("` = CONVERT('");
    inPlace.text(value).literal("' USING gbk)");
    return connection.changeRows(statement, inPlace);
}

// History rows under exactly the old name: the tables' collation would also take other
// letter cases and trailing blanks for it.
void RenameInHistory(CorrectionConnection& connection, const char* table,
                     const std::string& cardNumber, const std::string& oldName,
                     const std::string& newName) {
    Sql statement("UPDATE `marlovia`.`");
    statement.literal(table).literal("` SET `user_name` = '").text(newName);
    statement.literal("' WHERE `user_id` = ").id(cardNumber);
    statement.literal(" AND BINARY `user_name` = CONVERT('").text(oldName).literal("' USING gbk)");
    DbExecute(connection.handle(), statement);
}

void ShowCorrectedCell(const CorrectedRow& target, int column, const std::string& value) {
    ListViewSetCell(MemberListView(), target.row, column, value);
    MirrorMemberRows(true);
}

}  // namespace

void DeleteSelectedMember() {
    const std::optional<CorrectedRow> target = CorrectionPreamble(1);
    if (!target || !ConfirmDangerousOperation()) return;
    CorrectionConnection connection;
    // Marked, not removed: the card number stays taken, so its history never passes to a
    // new member.
    Sql statement("UPDATE `marlovia`.`userlist` SET `user_del` = 1 WHERE `user_id` = ");
    statement.id(target->cardNumber).literal(" AND `user_del` <> 1");
    Sql inPlace("SELECT COUNT(*) AS n FROM `marlovia`.`userlist` WHERE `user_id` = ");
    inPlace.id(target->cardNumber).literal(" AND `user_del` = 1");
    switch (connection.change(statement, inPlace)) {
        case CorrectionConnection::Change::Made:
            ShowNotice("删除用户成功，用户ID为：" + target->cardNumber + "、用户姓名为：" +
                       target->value);
            DropDeletedMember();
            break;
        case CorrectionConnection::Change::None:
            // Deleted at another desk first: nothing to report, but the list is stale.
            DropDeletedMember();
            break;
        case CorrectionConnection::Change::Failed:
            break;
    }
}

void RenameSelectedMember() {
    const std::optional<CorrectedRow> target = CorrectionPreamble(1);
    if (!target) return;
    const std::optional<std::string> name =
        AskNewValue("请输入新的用户姓名", "修改会员姓名", target->value);
    if (!name || !ConfirmDangerousOperation()) return;
    CorrectionConnection connection;
    if (!UpdateMember(connection, "user_name", *name, target->cardNumber)) return;
    ShowNotice("修改用户姓名成功，原姓名为：" + target->value + "、新姓名为：" + *name);
    ShowCorrectedCell(*target, 1, *name);
    RenameInHistory(connection, "paylist", target->cardNumber, target->value, *name);
    RenameInHistory(connection, "costlist", target->cardNumber, target->value, *name);
}

void ChangeSelectedMemberPhone() {
    const std::optional<CorrectedRow> target = CorrectionPreamble(2);
    if (!target) return;
    const std::optional<std::string> phone =
        AskNewValue("请输入新的用户电话", "修改会员电话", target->value);
    if (!phone || !ConfirmDangerousOperation()) return;
    CorrectionConnection connection;
    if (!UpdateMember(connection, "user_tel", *phone, target->cardNumber)) return;
    ShowNotice("修改用户电话成功，原电话为：" + target->value + "、新电话为：" + *phone);
    ShowCorrectedCell(*target, 2, *phone);
}

void ConnectMemberCorrections(MainWindow& window) {
    QMenu* menu = AttachListMenu(&window, window.ui.超级列表框_会员管理_会员列表,
                                 QStringLiteral("会员操作"), [] { DeleteSelectedMember(); });
    menu->addAction(QStringLiteral("删除会员"), &window, [] { DeleteSelectedMember(); });
    menu->addAction(QStringLiteral("修改姓名"), &window, [] { RenameSelectedMember(); });
    menu->addAction(QStringLiteral("修改电话"), &window, [] { ChangeSelectedMemberPhone(); });
}
