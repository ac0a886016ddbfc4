#include "admin/AdminGate.h"

#include "common/Notices.h"
#include "controls/WindowOps.h"
#include "login/SignedInOperator.h"

const std::string PrivilegedLoginName = "Chief";

const std::string kDangerText =
    "本操作非常危险，请您务必小心操作，如有疑问请首先致电开发者12300004567，切记，你的数据务必重要"
    "\r\n————————————\r\n你可以点击取消终止操作";
const std::string kDangerTitle = "危险提示！！！";

namespace {

constexpr int kOkAndCancel = 1;

}  // namespace

// The tables' collation would let "chief" sign in as the Chief row: the gate looks at the
// bytes, not at what the login matched.
bool IsPrivilegedOperator() { return operatorTel == PrivilegedLoginName; }

bool ConfirmDangerousOperation() {
    if (ShowMessageBox(kDangerText, kOkAndCancel, kDangerTitle) == 0) return true;
    ShowNotice("未进行操作");
    return false;
}
