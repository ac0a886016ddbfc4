#pragma once
// kvt.ini: the three settings kept between runs.

#include <string>

// The path, built anew at every use.
std::string ConfigFilePath();

extern const char kLoginSection[];      // 配置
extern const char kLastLoginKey[];      // 最近登录的用户名
extern const char kListOrderSection[];  // 列表显示配置
extern const char kNewestFirstKey[];    // 新纪录在最前
extern const char kRechargeSection[];   // 充值
extern const char kPaymentMethodKey[];  // 默认充值方式
extern const char kTrue[];              // 真
extern const char kFalse[];             // 假
