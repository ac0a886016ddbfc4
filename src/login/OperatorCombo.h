#pragma once
#include <cstdint>

// Fills 组合框_登录用户名 with every operator's login name and preselects the one that
// logged in last (else the first). Runs on a worker thread only.
void LoadOperatorCombo();
void OperatorComboThreadEntry(int32_t parameter);
