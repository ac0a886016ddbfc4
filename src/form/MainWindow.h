#pragma once
// The program's one window, built from its form. Handlers reach its units through
// TheMainWindow().ui (the generated member of each unit carries the unit's name).

#include <QTimer>
#include <QWidget>

#include "ui_MainWindow.h"

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow ui;
    // The window-level timer unit: not a widget, so the form cannot hold it.
    QTimer* 时钟1;
};

// The window that exists now; only one does at a time. Both are for the window's thread: off
// it no window exists for the caller, so a worker never reaches a widget by itself.
MainWindow& TheMainWindow();
bool MainWindowExists();
