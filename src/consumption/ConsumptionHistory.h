#pragma once
// Page 2: the consumption records of every member or of the current one, over all time or
// a period, with their count and the sum charged to the cards; a row's notes pop up.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "db/records.h"
#include "periods/PeriodBounds.h"

class ListView;
class MainWindow;

void ShowConsumptionHistoryPage();
void QueryAllMembersConsumption();
void QueryCurrentMemberConsumption();
// As FillRechargeList.
void FillConsumptionList(ListView* list, const std::optional<std::string>& memberId,
                         const std::optional<PeriodBounds>& bounds);
void RerunConsumptionHistory();
void ToggleConsumptionPeriodFilter();
void ShowConsumptionNotes();

// The nine cells of a record's row ("0个项目" already read as no name).
std::vector<std::string> ConsumptionRowCells(const ConsumptionRecord& record);
std::string ConsumptionNotesCell(const ConsumptionRecord& record);
std::string ConsumptionTotalsText(int64_t count, int64_t sum);
// The notes cell as the balloon shows it: each run of 20 blanks becomes a line of dashes.
std::string NotesBalloonText(const std::string& notesCell);

void ConnectConsumptionHistory(MainWindow& window);
