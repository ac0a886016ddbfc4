#include "members/MemberPanelCardClaim.h"

#include <cstdint>
#include <string>

#include "db/shared.h"

namespace {

// A lock of the server, not of a table: it also guards databases whose userlist lacks
// the unique key, and it dies with the session that holds it.
bool TakeCardLock(DbHandle connection, int waitSeconds) {
    Sql take("SELECT GET_LOCK('marlovia.userlist.card', ");
    take.id(std::to_string(waitSeconds)).literal(") AS got");
    if (!DbExecute(connection, take)) return false;
    DbHandle result = DbTakeRecordset(connection);
    int32_t got = 0;
    RecordsetReadField(result, "got", got);
    FreeResultSet(result);
    return got == 1;
}

void ReleaseCardLock(DbHandle connection) {
    if (!DbExecute(connection, Sql("SELECT RELEASE_LOCK('marlovia.userlist.card')"))) return;
    DbHandle result = DbTakeRecordset(connection);
    FreeResultSet(result);
}

DbHandle RowsOfCard(DbHandle connection, const std::string& cardNumber) {
    Sql check("SELECT * FROM userlist WHERE user_id = ");
    check.id(cardNumber);
    if (!DbExecute(connection, check)) return 0;
    return DbTakeRecordset(connection);
}

// A check that fails counts as no row: the insert then decides.
bool CardNumberTaken(DbHandle connection, const std::string& cardNumber) {
    DbHandle rows = RowsOfCard(connection, cardNumber);
    const bool taken = RecordsetRowCount(rows) != 0;
    FreeResultSet(rows);
    return taken;
}

MemberStoreResult StoreUnderCardLock(DbHandle connection, const MemberRecord& record) {
    if (CardNumberTaken(connection, record.user_id)) return MemberStoreResult::CardTaken;
    if (!IsWholeNumber(record.user_id)) return MemberStoreResult::Failed;
    if (InsertMemberRecord(connection, record)) return MemberStoreResult::Stored;
    switch (DbLastOutcome(connection)) {
        case DbOutcome::Unknown:
            return MemberStoreResult::Unknown;
        case DbOutcome::Refused:
            // The unique key refuses a card that a desk without the lock has just stored.
            return CardNumberTaken(connection, record.user_id) ? MemberStoreResult::CardTaken
                                                               : MemberStoreResult::Failed;
        default:
            return MemberStoreResult::Failed;
    }
}

}  // namespace

MemberStoreResult StoreMemberIfCardFree(DbHandle connection, const MemberRecord& record,
                                        int lockWaitSeconds) {
    if (!TakeCardLock(connection, lockWaitSeconds)) return MemberStoreResult::Failed;
    const MemberStoreResult result = StoreUnderCardLock(connection, record);
    ReleaseCardLock(connection);
    return result;
}

bool InsertMemberRecord(DbHandle connection, const MemberRecord& record) {
    // The duplicate check cannot look up a card number that is not a whole number, and the
    // server would store such a text (" 12", "+12", "12.0") as a number that may be taken.
    if (!IsWholeNumber(record.user_id)) return false;
    Sql statement(
        "INSERT INTO `userlist`(`user_id`,`user_del`,`user_name`,`user_tel`,`user_key`,"
        "`user_add`,`user_wxid`,`user_notes`) VALUES ('");
    statement
        .texts({record.user_id, record.user_del, record.user_name, record.user_tel, record.user_key,
                record.user_add, record.user_wxid, record.user_notes})
        .literal("')");
    return DbExecute(connection, statement);
}

MemberStoreResult LookUpStoredMember(DbHandle connection, const MemberRecord& record) {
    DbHandle rows = RowsOfCard(connection, record.user_id);
    if (rows == 0) return MemberStoreResult::Unknown;
    MemberStoreResult found = MemberStoreResult::Failed;
    for (int32_t row = 0; row < RecordsetRowCount(rows); ++row) {
        RecordsetSeekRow(rows, row);
        std::string name, phone;
        RecordsetReadField(rows, "user_name", name);
        RecordsetReadField(rows, "user_tel", phone);
        const bool ours = name == record.user_name && phone == record.user_tel;
        if (ours) found = MemberStoreResult::Stored;
        if (!ours && found == MemberStoreResult::Failed) found = MemberStoreResult::CardTaken;
    }
    FreeResultSet(rows);
    return found;
}
