// Placeholder until the handlers are built.
#include "members/MemberTotals.h"

void QueryMemberRechargeTotals(const std::string&, DbHandle, int32_t&, int32_t&, int32_t&) {}
void QueryMemberConsumptionTotals(const std::string&, DbHandle, int32_t&, int32_t&) {}
