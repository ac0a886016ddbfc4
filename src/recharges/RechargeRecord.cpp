// The recharge the member panel describes, and the one insert into paylist.
#include "common/DateTimeText.h"
#include "controls/WindowOps.h"
#include "db/shared.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"
#include "recharges/RechargeEntry.h"
#include "runtime/texts.h"

RechargeRecord RechargeRecordFromPanel() {
    auto& ui = TheMainWindow().ui;
    const DateTime when =
        std::get<DateTime>(GetUnitProperty(ui.日期框_充值管理_自定义时间, UnitProperty::DateValue));
    RechargeRecord record;
    record.pay_time = FormatDateTime(when, "yyyy-MM-dd ", "hh:mm:ss", true);
    record.pay_money = TextOf(ui.编辑框_新增会员_充值金额);
    record.pay_give = TextOf(ui.编辑框_新增会员_充值赠送);
    // Whole numbers added in double precision: exact for any two 32-bit values.
    record.pay_total = NumberToText(static_cast<double>(ToInteger(record.pay_money)) +
                                    static_cast<double>(ToInteger(record.pay_give)));
    record.pay_method = TextOf(ui.组合框_充值管理_充值方式);
    record.user_id = TextOf(ui.编辑框_新增会员_卡号);
    record.user_name = TextOf(ui.编辑框_新增会员_姓名);
    record.boss_id = operatorId;
    record.boss_name = operatorName;
    return record;
}

bool InsertRechargeRecord(RechargeRecord& record) {
    record.pay_del = kLiveFlag;
    Sql statement(
        "INSERT INTO `paylist`(`pay_time`,`pay_money`,`pay_give`,`pay_total`,`pay_method`,"
        "`pay_notes`,`pay_del`,`user_id`,`user_name`,`boss_id`,`boss_name`) SELECT '");
    statement
        .texts({record.pay_time, record.pay_money, record.pay_give, record.pay_total,
                record.pay_method, record.pay_notes, record.pay_del, record.user_id,
                record.user_name, record.boss_id, record.boss_name})
        .literal("' FROM `userlist` WHERE `user_id` = ")
        .id(record.user_id)
        .literal(" AND `user_del` <> 1 LIMIT 1");
    auto lock = LockSharedDatabase();
    return DbExecute(sharedConnection, statement) && DbRowsChanged(sharedConnection) == 1;
}
