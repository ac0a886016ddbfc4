#pragma once
// The operator who logged in. Written by the login on the window's thread, held until
// the program ends (there is no logout).

#include <string>

extern int loggedIn;              // 0 until a login succeeds, then 1
extern std::string operatorId;    // boss_id
extern std::string operatorName;  // boss_name
extern std::string operatorTel;   // boss_tel: the login name
