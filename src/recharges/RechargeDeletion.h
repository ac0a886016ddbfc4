#pragma once
// The administrator's deletion of a recharge record from page 1: the context menu 充值操作
// and the list's Delete key.

class MainWindow;

void DeleteSelectedRechargeRecord();

void ConnectRechargeDeletion(MainWindow& window);
