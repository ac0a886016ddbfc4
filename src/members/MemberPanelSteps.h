#pragma once
// Steps of the member panel that its two creations and the recharge folder share.

#include <string>

#include "db/records.h"

class QWidget;

extern const char kRechargeErrorText[];

// Placed 5 pixels below the button that opens it, aligned with its left edge, and shown.
void ShowMemberPanelUnder(QWidget* button);
// Create mode enables the card, name and phone boxes and the card button; recharge mode
// disables them. The name box's disabled state is the mode.
void SetMemberPanelCreateMode(bool create);
bool MemberPanelInCreateMode();

MemberRecord MemberRecordFromPanel();

// How a refused creation tells the operator.
using RefusalReport = void (*)(const std::string& message, const std::string& title);
// The tests of the typed texts before a member insert, each with its message and focus
// move; true when they pass. Whether the card is taken is decided with the insert.
bool MemberMayBeCreated(const MemberRecord& record, RefusalReport report);
// The card number is in userlist already.
void ReportCardTaken(RefusalReport report);
// "Go on creating members?": true for OK.
bool AskToGoOnCreating();
// Loads both member lists again and starts their totals pass.
void ReloadMemberLists();
