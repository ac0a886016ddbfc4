#pragma once
// The administrator's deletion of one recharge or consumption record from its history list:
// the record is marked deleted, never removed, and the audit note goes before its notes.

#include <functional>
#include <string>

class ListView;

struct DeletableRecords {
    const char* table;        // paylist, costlist
    const char* idColumn;     // pay_id, cost_id
    const char* flagColumn;   // pay_del, cost_del
    const char* notesColumn;  // pay_notes, cost_notes
    const std::string& auditEnding;
};

// What the history row showed of the deleted record.
struct DeletedRecord {
    std::string id;          // cell 0
    std::string cardNumber;  // cell 1
    std::string name;        // cell 2
};

// On the list's current row: the gate, the danger question, the private connection and the
// statement; then done runs while that connection is still open. Only a live record that the
// statement changed counts as deleted: every other way ends without a word (but the
// question's own notice on Cancel). When the statement ran and found no live record
// (another desk deleted it first), gone runs instead, so that the stale list and figures
// can be read again.
void DeleteSelectedRecord(ListView* list, const DeletableRecords& records,
                          const std::function<void(const DeletedRecord&)>& done,
                          const std::function<void(const DeletedRecord&)>& gone);
