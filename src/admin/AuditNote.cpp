#include "admin/AuditNote.h"

#include "common/DateTimeText.h"
#include "login/SignedInOperator.h"
#include "runtime/datetime.h"

const std::string kRechargeDeletedEnding = "删除了本条充值记录";
const std::string kConsumptionDeletedEnding = "删除了本条消费记录";

std::string BuildAuditNote(const std::string& ending) {
    // "hh" without the 24-hour clock forced: the notes have always been written this way.
    const std::string time = FormatDateTime(CurrentDateTime(), "yyyy-MM-dd ", "hh:mm:ss", false);
    return "管理员" + operatorName + "[" + operatorTel + "][" + operatorId + "]于" + time + ending;
}
