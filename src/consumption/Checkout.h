#pragma once
// Settling the quick-consume bill against the member's card.

struct ConsumptionRecord;
class MainWindow;

void CheckoutBill();
bool InsertConsumptionRecord(ConsumptionRecord& record);

void ConnectCheckout(MainWindow& window);
