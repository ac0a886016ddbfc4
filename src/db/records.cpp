#include "db/records.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "db/shared.h"

namespace {

template <typename Record>
using Column = std::pair<const char*, std::string Record::*>;

template <typename Record>
void ReadRow(Record& record, int n, std::span<const Column<Record>> columns) {
    auto lock = LockSharedDatabase();
    RecordsetSeekRow(sharedResultSet, static_cast<int64_t>(n) - 1);
    for (const auto& [column, field] : columns)
        RecordsetReadField(sharedResultSet, column, record.*field);
}

// The same for every row in order, the columns looked up once.
template <typename Record>
void ReadRows(std::span<const Column<Record>> columns, const std::function<void(Record&)>& each) {
    auto lock = LockSharedDatabase();
    std::vector<std::string> names;
    for (const auto& [column, field] : columns) names.emplace_back(column);
    Record record;
    RecordsetForEachRow(sharedResultSet, names, [&](const std::string_view* values) {
        for (const auto& [column, field] : columns) (record.*field).assign(*values++);
        each(record);
    });
}

const Column<MemberRecord> kMemberColumns[] = {
    {"user_id", &MemberRecord::user_id},     {"user_del", &MemberRecord::user_del},
    {"user_name", &MemberRecord::user_name}, {"user_tel", &MemberRecord::user_tel},
    {"user_key", &MemberRecord::user_key},   {"user_add", &MemberRecord::user_add},
    {"user_wxid", &MemberRecord::user_wxid}, {"user_notes", &MemberRecord::user_notes},
};

const Column<RechargeRecord> kRechargeColumns[] = {
    {"pay_id", &RechargeRecord::pay_id},       {"pay_time", &RechargeRecord::pay_time},
    {"pay_money", &RechargeRecord::pay_money}, {"pay_give", &RechargeRecord::pay_give},
    {"pay_total", &RechargeRecord::pay_total}, {"pay_method", &RechargeRecord::pay_method},
    {"pay_notes", &RechargeRecord::pay_notes}, {"pay_del", &RechargeRecord::pay_del},
    {"user_id", &RechargeRecord::user_id},     {"user_name", &RechargeRecord::user_name},
    {"boss_id", &RechargeRecord::boss_id},     {"boss_name", &RechargeRecord::boss_name},
};

const Column<ConsumptionRecord> kConsumptionColumns[] = {
    {"cost_id", &ConsumptionRecord::cost_id},       {"cost_notes", &ConsumptionRecord::cost_notes},
    {"cost_money", &ConsumptionRecord::cost_money}, {"cost_del", &ConsumptionRecord::cost_del},
    {"cost_date", &ConsumptionRecord::cost_date},   {"xm_id", &ConsumptionRecord::xm_id},
    {"xm_name", &ConsumptionRecord::xm_name},       {"xm_money", &ConsumptionRecord::xm_money},
    {"user_id", &ConsumptionRecord::user_id},       {"user_name", &ConsumptionRecord::user_name},
    {"boss_id", &ConsumptionRecord::boss_id},       {"boss_name", &ConsumptionRecord::boss_name},
};

// The price is read before the flag; each still lands in its own field.
const Column<ServiceItemRecord> kServiceItemColumns[] = {
    {"xm_id", &ServiceItemRecord::xm_id},       {"xm_name", &ServiceItemRecord::xm_name},
    {"xm_money", &ServiceItemRecord::xm_money}, {"xm_del", &ServiceItemRecord::xm_del},
    {"xm_notes", &ServiceItemRecord::xm_notes},
};

const Column<OperatorRecord> kOperatorColumns[] = {
    {"boss_id", &OperatorRecord::boss_id},
    {"boss_tel", &OperatorRecord::boss_tel},
    {"boss_name", &OperatorRecord::boss_name},
    {"boss_key", &OperatorRecord::boss_key},
};

}  // namespace

void ReadMemberRow(MemberRecord& record, int n) {
    ReadRow<MemberRecord>(record, n, kMemberColumns);
}

void ReadRechargeRow(RechargeRecord& record, int n) {
    ReadRow<RechargeRecord>(record, n, kRechargeColumns);
}

void ReadConsumptionRow(ConsumptionRecord& record, int n) {
    ReadRow<ConsumptionRecord>(record, n, kConsumptionColumns);
}

void ReadServiceItemRow(ServiceItemRecord& record, int n) {
    ReadRow<ServiceItemRecord>(record, n, kServiceItemColumns);
}

void ReadOperatorRow(OperatorRecord& record, int n) {
    ReadRow<OperatorRecord>(record, n, kOperatorColumns);
}

void ReadRechargeRows(const std::function<void(RechargeRecord&)>& each) {
    ReadRows<RechargeRecord>(kRechargeColumns, each);
}

void ReadConsumptionRows(const std::function<void(ConsumptionRecord&)>& each) {
    ReadRows<ConsumptionRecord>(kConsumptionColumns, each);
}

const std::string kLiveFlag = "0";
