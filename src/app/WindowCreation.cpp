#include "app/WindowCreation.h"

#include "app/form/MainWindow.h"

void OnWindowCreated(MainWindow& window) {
    auto& ui = window.ui;
    window.resize(window.width(), 700);
    ui.选择夹1->setCurrentIndex(3);
    ui.选择夹1->move(ui.选择夹1->x(), 105);
    ui.超级列表框_会员管理_会员列表备用->hide();
    window.时钟1->start();
}
