#pragma once
// The note that takes the place of a deleted record's notes.

#include <string>

// "管理员" name "[" login name "][" id "]于" time ending, stamped with the current time
// on the 12-hour clock without a marker (14:05:09 is written 02:05:09).
std::string BuildAuditNote(const std::string& ending);

extern const std::string kRechargeDeletedEnding;     // 删除了本条充值记录
extern const std::string kConsumptionDeletedEnding;  // 删除了本条消费记录
