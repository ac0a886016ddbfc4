#pragma once
// Builds the real main window (offscreen) for a test, with scripted dialogs, a fresh
// configuration folder and nobody signed in.

#include <gtest/gtest.h>

#include <QPointer>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>

#include "controls/Dialogs.h"
#include "form/MainWindow.h"

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window; tests that prepare the configuration or the database first
    // call it themselves (SetUp calls it unless startWindowInSetUp is false).
    void StartWindow();
    void CloseWindow();

    MainWindow& window() { return *window_; }
    Ui::MainWindow& ui() { return window_->ui; }
    ScriptedDialogs& dialogs() { return dialogs_; }
    std::string configFolder() const;

    bool startWindowInSetUp = true;

  private:
    ScriptedDialogs dialogs_;
    std::unique_ptr<QTemporaryDir> xdg_;
    QPointer<MainWindow> window_;
};

// Lets the window's thread handle events for about ms milliseconds.
void Pump(int ms);
// Handles events until done() holds or the time runs out; the result of done().
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
