#include "login/ConfigFile.h"

#include "runtime/folders.h"

std::string ConfigFilePath() { return SpecialFolderPath(kProgramSettingsFolder) + "/kvt.ini"; }

const char kLoginSection[] = "配置";
const char kLastLoginKey[] = "最近登录的用户名";
const char kListOrderSection[] = "列表显示配置";
const char kNewestFirstKey[] = "新纪录在最前";
const char kRechargeSection[] = "充值";
const char kPaymentMethodKey[] = "默认充值方式";
const char kTrue[] = "真";
const char kFalse[] = "假";
