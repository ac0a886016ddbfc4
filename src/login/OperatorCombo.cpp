#include "login/OperatorCombo.h"

#include <string>
#include <utility>
#include <vector>

#include "controls/WindowOps.h"
#include "controls/WindowThread.h"
#include "form/MainWindow.h"
#include "runtime/inifile.h"
#include "runtime/texts.h"
#include "db/records.h"
#include "db/shared.h"
#include "login/ConfigFile.h"

namespace {

QComboBox* Combo() { return TheMainWindow().ui.组合框_登录用户名; }

}  // namespace

void LoadOperatorCombo() {
    RunOnWindowThread([] {
        if (MainWindowExists()) ComboBoxClear(Combo());
    });

    // The rows are read under the shared lock and handed to the window afterwards, so
    // the window's thread never waits for the lock while this thread waits for it.
    std::vector<std::pair<std::string, int32_t>> items;
    int selected = 0;
    {
        auto lock = LockSharedDatabase();
        GetSharedConnection();
        const int n = RunSharedQuery(Sql("SELECT * FROM `marlovia`.`bosslist`"));
        for (int i = 1; i <= n; ++i) {
            OperatorRecord record;
            ReadOperatorRow(record, i);
            items.emplace_back(record.boss_tel, ToInteger(record.boss_id));
            const std::string remembered = IniRead(ConfigFilePath(), kLoginSection, kLastLoginKey);
            if (record.boss_tel == remembered) selected = i - 1;
        }
        FreeSharedResultSet();
    }

    RunOnWindowThread([&items, selected] {
        if (!MainWindowExists()) return;
        QComboBox* combo = Combo();
        for (const auto& [text, data] : items) ComboBoxAddItem(combo, text, data);
        if (ComboBoxItemCount(combo) >= 1) ComboBoxSetCurrentItem(combo, selected);
    });
}

void OperatorComboThreadEntry(int32_t /*parameter*/) { LoadOperatorCombo(); }
