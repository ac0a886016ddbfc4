#pragma once
#include "db/records.h"

// The consumption record the quick-consume panel's bill makes (cost_del is filled in by
// the insert).
ConsumptionRecord ConsumptionRecordFromPanel();
