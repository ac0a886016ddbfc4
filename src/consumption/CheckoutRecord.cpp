#include "consumption/CheckoutRecord.h"

#include "controls/WindowOps.h"
#include "form/MainWindow.h"
#include "runtime/texts.h"
#include "common/DateTimeText.h"
#include "consumption/QuickConsume.h"
#include "login/SignedInOperator.h"

namespace {

// One bill line names its item; several (or none, with a typed total) are counted.
void NameTheItems(ConsumptionRecord& record, QListWidget* bill) {
    const int lines = ListBoxItemCount(bill);
    if (lines == 1) {
        const std::string line = ListBoxItemText(bill, 0);
        const std::string price = TextBetween(line, "[", "]");
        record.xm_id = NumberToText(ListBoxItemData(bill, 0));
        record.xm_name = ReplaceText(line, "[" + price + "]", "");
        return;
    }
    record.xm_id.clear();
    record.xm_name = NumberToText(lines) + "个项目";
}

}  // namespace

ConsumptionRecord ConsumptionRecordFromPanel() {
    auto& ui = TheMainWindow().ui;
    ConsumptionRecord record;
    record.user_id = TextOf(ui.编辑框_快速消费_卡号);
    record.user_name = TextOf(ui.编辑框_快速消费_姓名);
    record.boss_id = operatorId;
    record.boss_name = operatorName;
    record.cost_notes = TextOf(ui.编辑框_快速消费_备注);
    const DateTime when =
        std::get<DateTime>(GetUnitProperty(ui.日期框_消费管理_自定义时间, UnitProperty::DateValue));
    record.cost_date = FormatDateTime(when, "yyyy-MM-dd ", "HH:mm:ss");
    NameTheItems(record, ui.列表框_快速消费_结账清单);
    record.cost_money = TextOf(ui.编辑框_快速消费_消费总金额);
    record.xm_money = record.cost_money;
    return record;
}
