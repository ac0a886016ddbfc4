#include "consumption/QuickConsume.h"

#include <QListWidget>

#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "runtime/datetime.h"
#include "runtime/texts.h"
#include "db/records.h"
#include "db/shared.h"

namespace {

const char kRefusal[] = "余额不足，不能消费";
const char kNamelessNote[] = "本会员姓名为空\r\n----------------\r\n手机号[";

Ui::MainWindow& Form() { return TheMainWindow().ui; }

// Amounts and counts of the panel as whole numbers (the empty text gives 0); wide enough
// that no sum or difference of two of them overflows.
int64_t WholeNumberOf(QWidget* box) { return ToInteger(TextOf(box)); }

std::string WholeNumberText(int64_t number) { return NumberToText(static_cast<double>(number)); }

// "{" id "}" and the line's text for each bill line, joined by CR LF.
std::string RemarkLines() {
    QListWidget* bill = Form().列表框_快速消费_结账清单;
    std::string lines;
    for (int i = 0; i < ListBoxItemCount(bill); ++i) {
        if (i > 0) lines += "\r\n";
        lines += "{" + NumberToText(ListBoxItemData(bill, i)) + "}" + ListBoxItemText(bill, i);
    }
    return lines;
}

}  // namespace

void OpenQuickConsumePanel() {
    auto& ui = Form();
    ui.外形框_新增会员->hide();
    ListBoxClear(ui.列表框_快速消费_结账清单);
    SetText(ui.编辑框_快速消费_消费总金额, "");
    SetText(ui.编辑框_快速消费_消费后余额, "");
    SetText(ui.编辑框_快速消费_消费项目数, "");
    SetText(ui.编辑框_快速消费_备注, "");
    SetUnitProperty(ui.日期框_消费管理_自定义时间, UnitProperty::DateValue, CurrentDateTime());

    ListView* members = ui.超级列表框_会员管理_会员列表;
    const int row = ListViewCurrentRow(members);
    if (row == -1) return;
    const std::string card = ListViewGetCell(members, row, 0);
    const std::string name = ListViewGetCell(members, row, 1);
    if (card.empty()) return;

    QWidget* panel = ui.外形框_快速消费;
    panel->move(ui.选择夹1->width() - panel->width() - 5,
                ui.按钮_消费->y() + ui.按钮_消费->height() + 5);
    panel->show();
    SetText(ui.编辑框_快速消费_卡号, card);
    SetText(ui.编辑框_快速消费_姓名, name);
    ui.编辑框_快速消费_手机号->setVisible(TextOf(ui.编辑框_快速消费_姓名).empty());
    SetText(ui.编辑框_快速消费_手机号, kNamelessNote + ListViewGetCell(members, row, 2) + "]");
    SetText(ui.编辑框_快速消费_现有余额, ListViewGetCell(members, row, 8));
    FillItemListBox(ui.列表框_快速消费_消费项目清单);
    SetInputFocus(ui.列表框_快速消费_消费项目清单);
}

void FillItemListBox(QListWidget* listBox) {
    ListBoxClear(listBox);
    auto lock = LockSharedDatabase();
    GetSharedConnection();
    const int n = RunSharedQuery(Sql("SELECT * FROM `marlovia`.`xmlist` WHERE `xm_del` <> 1"));
    ServiceItemRecord record;
    for (int i = 1; i <= n; ++i) {
        ReadServiceItemRow(record, i);
        ListBoxAddItem(listBox, record.xm_name + "[" + record.xm_money + "]",
                       ToInteger(record.xm_id));
    }
    FreeSharedResultSet();
}

void AddItemToBill() {
    auto& ui = Form();
    QListWidget* items = ui.列表框_快速消费_消费项目清单;
    const int k = ListBoxCurrentItem(items);
    if (k == -1) return;
    const std::string entry = ListBoxItemText(items, k);
    const std::string price = TextBetween(entry, "[", "]");
    const int64_t rest =
        WholeNumberOf(ui.编辑框_快速消费_现有余额) - WholeNumberOf(ui.编辑框_快速消费_消费总金额);
    const int64_t p = ToInteger(price);
    if (static_cast<double>(rest - p) < -0.0000001) {
        ShowBalloonTip(ui.气球提示框1, MouseScreenX(), MouseScreenY(), kRefusal, -1, true);
        return;
    }
    ListBoxAddItem(ui.列表框_快速消费_结账清单, entry, ListBoxItemData(items, k));
    SetText(ui.编辑框_快速消费_消费总金额,
            WholeNumberText(WholeNumberOf(ui.编辑框_快速消费_消费总金额) + p));
    SetText(ui.编辑框_快速消费_消费项目数,
            WholeNumberText(WholeNumberOf(ui.编辑框_快速消费_消费项目数) + 1));
    SetText(ui.编辑框_快速消费_消费后余额,
            WholeNumberText(WholeNumberOf(ui.编辑框_快速消费_现有余额) -
                            WholeNumberOf(ui.编辑框_快速消费_消费总金额)));
    SetText(ui.编辑框_快速消费_备注, RemarkLines());
}

void CheckBillTotal() {
    auto& ui = Form();
    const int64_t rest =
        WholeNumberOf(ui.编辑框_快速消费_现有余额) - WholeNumberOf(ui.编辑框_快速消费_消费总金额);
    if (rest < 0) {
        const MainWindow& window = TheMainWindow();
        ShowBalloonTip(ui.气球提示框1, window.x() + 900, window.y() + 360, kRefusal, -1, true);
        SetText(ui.编辑框_快速消费_消费总金额, TextOf(ui.编辑框_快速消费_现有余额));
    }
    SetText(ui.编辑框_快速消费_消费后余额,
            WholeNumberText(WholeNumberOf(ui.编辑框_快速消费_现有余额) -
                            WholeNumberOf(ui.编辑框_快速消费_消费总金额)));
}

void ShowBillLines() {
    QListWidget* bill = Form().列表框_快速消费_结账清单;
    std::string text;
    for (int i = 0; i < ListBoxItemCount(bill); ++i) {
        if (i > 0) text += "\r\n";
        text += ListBoxItemText(bill, i);
    }
    ShowBalloonTip(Form().气球提示框1, MouseScreenX(), MouseScreenY() - 15, text, 1, true);
}
