#include "db/records.h"

#include <initializer_list>
#include <utility>

#include "db/shared.h"

namespace {

template <typename Record>
using Columns = std::initializer_list<std::pair<const char*, std::string Record::*>>;

template <typename Record>
void ReadRow(Record& record, int n, Columns<Record> columns) {
    auto lock = LockSharedDatabase();
    RecordsetSeekRow(sharedResultSet, static_cast<int64_t>(n) - 1);
    for (const auto& [column, field] : columns)
        RecordsetReadField(sharedResultSet, column, record.*field);
}

}  // namespace

void ReadMemberRow(MemberRecord& record, int n) {
    using R = MemberRecord;
    ReadRow<R>(record, n,
               {{"user_id", &R::user_id},
                {"user_del", &R::user_del},
                {"user_name", &R::user_name},
                {"user_tel", &R::user_tel},
                {"user_key", &R::user_key},
                {"user_add", &R::user_add},
                {"user_wxid", &R::user_wxid},
                {"user_notes", &R::user_notes}});
}

void ReadRechargeRow(RechargeRecord& record, int n) {
    using R = RechargeRecord;
    ReadRow<R>(record, n,
               {{"pay_id", &R::pay_id},
                {"pay_time", &R::pay_time},
                {"pay_money", &R::pay_money},
                {"pay_give", &R::pay_give},
                {"pay_total", &R::pay_total},
                {"pay_method", &R::pay_method},
                {"pay_notes", &R::pay_notes},
                {"pay_del", &R::pay_del},
                {"user_id", &R::user_id},
                {"user_name", &R::user_name},
                {"boss_id", &R::boss_id},
                {"boss_name", &R::boss_name}});
}

void ReadConsumptionRow(ConsumptionRecord& record, int n) {
    using R = ConsumptionRecord;
    ReadRow<R>(record, n,
               {{"cost_id", &R::cost_id},
                {"cost_notes", &R::cost_notes},
                {"cost_money", &R::cost_money},
                {"cost_del", &R::cost_del},
                {"cost_date", &R::cost_date},
                {"xm_id", &R::xm_id},
                {"xm_name", &R::xm_name},
                {"xm_money", &R::xm_money},
                {"user_id", &R::user_id},
                {"user_name", &R::user_name},
                {"boss_id", &R::boss_id},
                {"boss_name", &R::boss_name}});
}

void ReadServiceItemRow(ServiceItemRecord& record, int n) {
    using R = ServiceItemRecord;
    // The price is read before the flag; each still lands in its own field.
    ReadRow<R>(record, n,
               {{"xm_id", &R::xm_id},
                {"xm_name", &R::xm_name},
                {"xm_money", &R::xm_money},
                {"xm_del", &R::xm_del},
                {"xm_notes", &R::xm_notes}});
}

void ReadOperatorRow(OperatorRecord& record, int n) {
    using R = OperatorRecord;
    ReadRow<R>(record, n,
               {{"boss_id", &R::boss_id},
                {"boss_tel", &R::boss_tel},
                {"boss_name", &R::boss_name},
                {"boss_key", &R::boss_key}});
}

const std::string kLiveFlag = "0";
