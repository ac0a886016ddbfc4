#pragma once
// The five record types, fields in table order, and the readers of sharedResultSet.

#include <functional>
#include <string>

// The delete flag of a live row, as new rows store it.
extern const std::string kLiveFlag;

struct MemberRecord {
    std::string user_id, user_del, user_name, user_tel, user_key, user_add, user_wxid, user_notes;
};

struct RechargeRecord {
    std::string pay_id, pay_time, pay_money, pay_give, pay_total, pay_method, pay_notes, pay_del,
        user_id, user_name, boss_id, boss_name;
};

struct ConsumptionRecord {
    std::string cost_id, cost_notes, cost_money, cost_del, cost_date, xm_id, xm_name, xm_money,
        user_id, user_name, boss_id, boss_name;
};

struct ServiceItemRecord {
    std::string xm_id, xm_name, xm_del, xm_money, xm_notes;
};

struct OperatorRecord {
    std::string boss_id, boss_tel, boss_name, boss_key;
};

// Row n (from 1) of sharedResultSet into the record; no check of n or the columns.
void ReadMemberRow(MemberRecord& record, int n);
void ReadRechargeRow(RechargeRecord& record, int n);
void ReadConsumptionRow(ConsumptionRecord& record, int n);
void ReadServiceItemRow(ServiceItemRecord& record, int n);
void ReadOperatorRow(OperatorRecord& record, int n);
// Every row of sharedResultSet in order, each read into the record as the row readers do and
// handed to each; the record is reused from row to row.
void ReadRechargeRows(const std::function<void(RechargeRecord&)>& each);
void ReadConsumptionRows(const std::function<void(ConsumptionRecord&)>& each);
