#include "app/StartUp.h"

#include "app/Navigation.h"
#include "app/WindowCreation.h"
#include "backoffice/Operators.h"
#include "backoffice/ServiceItems.h"
#include "backoffice/SettingsPage.h"
#include "consumption/Checkout.h"
#include "consumption/ConsumptionHistory.h"
#include "consumption/QuickConsume.h"
#include "form/MainWindow.h"
#include "login/Login.h"
#include "login/LoginPicture.h"
#include "members/CurrentMemberStrip.h"
#include "members/MemberList.h"
#include "members/MemberPanel.h"
#include "members/Peers.h"
#include "recharges/RechargeEntry.h"
#include "recharges/RechargeHistory.h"

namespace {

// The member folder calls into the folders that build on it through these.
void HandOverPeers() {
    MemberPeers& peers = Peers();
    peers.openQuickConsumePanel = OpenQuickConsumePanel;
    peers.openRechargePanel = OpenRechargePanel;
    peers.rechargeExistingMember = RechargeExistingMember;
    peers.rechargeRecordFromPanel = RechargeRecordFromPanel;
    peers.storeRecharge = StoreRechargeOnce;
}

void ConnectHandlers(MainWindow& window) {
    ShowLoginPicture(window.ui.图片框1);
    ConnectNavigation(window);
    ConnectLogin(window);
    ConnectMemberList(window);
    ConnectMemberPanel(window);
    ConnectCurrentMemberStrip(window);
    ConnectRechargeEntry(window);
    ConnectQuickConsume(window);
    ConnectCheckout(window);
    ConnectRechargeHistory(window);
    ConnectConsumptionHistory(window);
    ConnectSettingsPage(window);
    ConnectServiceItems(window);
    ConnectOperators(window);
}

}  // namespace

WindowSetup ProgramWindowSetup() {
    HandOverPeers();
    return {ConnectHandlers, OnWindowCreated};
}
