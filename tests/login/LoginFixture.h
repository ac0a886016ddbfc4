#pragma once
// A window over a database with known operators; the window starts once the rows are in.

#include <fstream>
#include <sstream>

#include "WindowFixture.h"
#include "controls/WindowOps.h"
#include "runtime/inifile.h"
#include "common/Threads.h"
#include "db/shared.h"
#include "login/ConfigFile.h"
#include "login/Login.h"
#include "login/SignedInOperator.h"
#include "test_database.h"

class LoginFixture : public WindowFixture {
  protected:
    void SetUp() override {
        startWindowInSetUp = false;
        WindowFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(db.EmptyTables(true));  // Chief / chief123
        db.Run(
            "INSERT INTO bosslist (boss_tel, boss_name, boss_key) VALUES "
            "('13800000001', '王五', 'Abc123')");
    }
    void TearDown() override {
        SetConnectionPortForTests(std::nullopt);
        WindowFixture::TearDown();
    }

    // Starts the window and lets the login-combo loader finish.
    void StartAndLoad() {
        StartWindow();
        ASSERT_TRUE(WaitUntil([] { return RunningWorkerThreads() == 0; }));
        Pump(20);
    }

    void TypeLogin(const std::string& name, const std::string& password) {
        ComboBoxSetText(ui().组合框_登录用户名, name);
        SetText(ui().编辑框_密码, password);
    }

    std::string ConfigBytes() {
        std::ifstream in(ConfigFilePath(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    TestDatabase db;
};
