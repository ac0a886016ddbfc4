#pragma once
// The gate before every correction of stored data.

#include <string>

// The login name of the administrator, compared byte for byte.
extern const std::string PrivilegedLoginName;

// True only for the signed-in login name "Chief" exactly: no other case, no blanks.
bool IsPrivilegedOperator();

// Asks the danger question (OK and Cancel). True on OK; otherwise shows the notice
// "未进行操作" and gives false.
bool ConfirmDangerousOperation();

// The danger question's text and title, as shown.
extern const std::string kDangerText;
extern const std::string kDangerTitle;
