// Placeholder until the handlers are built.
#include "consumption/Checkout.h"

#include "db/records.h"

void CheckoutBill() {}
bool InsertConsumptionRecord(ConsumptionRecord&) { return false; }
void ConnectCheckout(MainWindow&) {}
