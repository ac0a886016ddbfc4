// Placeholder until the handlers are built.
#include "members/SelectedMemberRefresh.h"

void RefreshSelectedMemberTotals() {}
