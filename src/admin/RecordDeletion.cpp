#include "admin/RecordDeletion.h"

#include <optional>

#include "admin/AdminGate.h"
#include "admin/AuditNote.h"
#include "admin/CorrectionConnection.h"
#include "controls/ListViewOps.h"

namespace {

std::optional<DeletedRecord> DeletionPreamble(ListView* list) {
    if (!IsPrivilegedOperator()) return std::nullopt;
    const int row = ListViewCurrentRow(list);
    if (row < 0) return std::nullopt;
    DeletedRecord record{ListViewGetCell(list, row, 0), ListViewGetCell(list, row, 1),
                         ListViewGetCell(list, row, 2)};
    if (record.id.empty()) return std::nullopt;
    return record;
}

// The old notes (a bill's lines, a recharge's remark) stay after the audit note, a line
// apart; a record without notes gets the note alone.
Sql MarkDeletedStatement(const DeletableRecords& records, const std::string& id,
                         const std::string& note) {
    const std::string notes = std::string("`") + records.notesColumn + "`";
    Sql statement("UPDATE `marlovia`.`");
    statement.literal(records.table).literal("` SET `").literal(records.flagColumn);
    statement.literal("` = 1,").literal(notes).literal("=IF(COALESCE(CHAR_LENGTH(");
    statement.literal(notes).literal("), 0) = 0, '").text(note).literal("', CONCAT('");
    statement.text(note + "\r\n").literal("', ").literal(notes).literal(")) WHERE `");
    statement.literal(records.idColumn).literal("` = ").id(id);
    statement.literal(" AND `").literal(records.flagColumn).literal("` <> 1");
    return statement;
}

// 1 when the record is marked deleted now (after a lost answer: did the mark land?).
Sql MarkedDeletedCount(const DeletableRecords& records, const std::string& id) {
    Sql count("SELECT COUNT(*) AS n FROM `marlovia`.`");
    count.literal(records.table).literal("` WHERE `").literal(records.idColumn).literal("` = ");
    count.id(id).literal(" AND `").literal(records.flagColumn).literal("` = 1");
    return count;
}

}  // namespace

void DeleteSelectedRecord(ListView* list, const DeletableRecords& records,
                          const std::function<void(const DeletedRecord&)>& done,
                          const std::function<void(const DeletedRecord&)>& gone) {
    const std::optional<DeletedRecord> record = DeletionPreamble(list);
    if (!record || !ConfirmDangerousOperation()) return;
    CorrectionConnection connection;
    const std::string note = BuildAuditNote(records.auditEnding);
    switch (connection.change(MarkDeletedStatement(records, record->id, note),
                              MarkedDeletedCount(records, record->id))) {
        case CorrectionConnection::Change::Made:
            done(*record);
            break;
        case CorrectionConnection::Change::None:
            // Already deleted at another desk: nothing to report, but the list is stale.
            gone(*record);
            break;
        case CorrectionConnection::Change::Failed:
            break;
    }
}
