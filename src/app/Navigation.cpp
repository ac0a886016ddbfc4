#include "app/Navigation.h"

#include "backoffice/SettingsPage.h"
#include "consumption/ConsumptionHistory.h"
#include "form/MainWindow.h"
#include "login/SignedInOperator.h"
#include "members/MemberList.h"
#include "recharges/RechargeHistory.h"

namespace {

// Each button shows its page once an operator is signed in; before that it does nothing.
bool Navigate(int page) {
    if (loggedIn == 0) return false;
    TheMainWindow().ui.选择夹1->setCurrentIndex(page);
    return true;
}

}  // namespace

void OnPageChanged() {
    if (loggedIn == 0) TheMainWindow().ui.选择夹1->setCurrentIndex(3);
}

void ConnectNavigation(MainWindow& window) {
    auto& ui = window.ui;
    QObject::connect(ui.选择夹1, &QTabWidget::currentChanged, &window, [] { OnPageChanged(); });
    QObject::connect(ui.按钮_会员管理, &QAbstractButton::clicked, &window, [] {
        if (Navigate(0)) OnMemberNavigation();
    });
    QObject::connect(ui.按钮_会员充值, &QAbstractButton::clicked, &window,
                     [] { ShowRechargeHistoryPage(); });
    QObject::connect(ui.按钮_会员消费, &QAbstractButton::clicked, &window,
                     [] { ShowConsumptionHistoryPage(); });
    QObject::connect(ui.按钮_系统设置, &QAbstractButton::clicked, &window,
                     [] { ShowSettingsPage(); });
}
