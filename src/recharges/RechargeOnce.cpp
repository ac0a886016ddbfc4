// A recharge is stored once, and only with amounts the server sums as they read.
#include "common/PlainAmount.h"
#include "db/write_once.h"
#include "recharges/RechargeEntry.h"

namespace {

RowValues RowOf(const RechargeRecord& record) {
    return {"paylist",
            {{"pay_time", record.pay_time},
             {"pay_money", record.pay_money},
             {"pay_give", record.pay_give},
             {"pay_total", record.pay_total},
             {"pay_method", record.pay_method},
             {"pay_notes", record.pay_notes},
             {"pay_del", record.pay_del},
             {"user_id", record.user_id},
             {"user_name", record.user_name},
             {"boss_id", record.boss_id},
             {"boss_name", record.boss_name}}};
}

}  // namespace

bool HasPlainAmounts(const RechargeRecord& record) {
    return IsPlainAmount(record.pay_money, AmountSign::MayBeNegative) &&
           (record.pay_give.empty() || IsPlainAmount(record.pay_give, AmountSign::MayBeNegative));
}

RechargeOutcome StoreRechargeOnceWithOutcome(RechargeRecord& record) {
    if (!HasPlainAmounts(record)) return RechargeOutcome::NotStored;
    static WriteOnce recharges("user_id");
    record.pay_del = kLiveFlag;
    bool memberGone = false;
    const WriteOutcome outcome = recharges.Write(RowOf(record), [&](DbHandle connection) {
        const bool stored = InsertRechargeRecord(record);
        // Ran and stored nothing: no live member row. A refusal, not a lost answer.
        memberGone = !stored && DbLastOutcome(connection) == DbOutcome::Done;
        return InsertOutcome(connection, stored);
    });
    if (outcome == WriteOutcome::Stored) return RechargeOutcome::Stored;
    return memberGone ? RechargeOutcome::MemberGone : RechargeOutcome::NotStored;
}

bool StoreRechargeOnce(RechargeRecord& record) {
    return StoreRechargeOnceWithOutcome(record) == RechargeOutcome::Stored;
}
