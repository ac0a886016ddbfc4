#include "Dialogs.h"

namespace {
Dialogs* installed = nullptr;
}

Dialogs& CurrentDialogs() {
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void SetDialogs(Dialogs* dialogs) { installed = dialogs; }
