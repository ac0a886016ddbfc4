#include "app/StartUp.h"

#include <QApplication>

#include "app/Navigation.h"
#include "app/WindowCreation.h"
#include "app/form/MainWindow.h"
#include "consumption/Checkout.h"
#include "consumption/QuickConsume.h"
#include "login/Login.h"
#include "login/LoginPicture.h"
#include "members/CurrentMemberStrip.h"
#include "members/MemberList.h"
#include "members/MemberPanel.h"
#include "members/Peers.h"
#include "recharges/RechargeEntry.h"

namespace {

int exitCode = 0;
bool endRequested = false;

// The member folder calls into the folders that build on it through these.
void HandOverPeers() {
    MemberPeers& peers = Peers();
    peers.openQuickConsumePanel = OpenQuickConsumePanel;
    peers.openRechargePanel = OpenRechargePanel;
    peers.rechargeExistingMember = RechargeExistingMember;
    peers.rechargeRecordFromPanel = RechargeRecordFromPanel;
    peers.insertRechargeRecord = InsertRechargeRecord;
}

void ConnectHandlers(MainWindow& window) {
    ConnectNavigation(window);
    ConnectLogin(window);
    ConnectMemberList(window);
    ConnectMemberPanel(window);
    ConnectCurrentMemberStrip(window);
    ConnectRechargeEntry(window);
    ConnectQuickConsume(window);
    ConnectCheckout(window);
}

}  // namespace

MainWindow& LoadStartWindow() {
    HandOverPeers();
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ShowLoginPicture(window->ui.图片框1);
    ConnectHandlers(*window);
    window->时钟1->start();
    window->show();
    OnWindowCreated(*window);
    return *window;
}

void RunMessageLoop() {
    if (!endRequested) QApplication::exec();
}

void EndProgram(int code) {
    exitCode = code;
    endRequested = true;
    QCoreApplication::exit(code);
}

int ProgramExitCode() { return exitCode; }

bool EndProgramRequested() { return endRequested; }
