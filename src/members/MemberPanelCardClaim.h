#pragma once
// Storing a new member so that no other desk can take its card number between the
// duplicate check and the insert, on any connection (the window uses the shared one).

#include "db/client.h"
#include "db/records.h"

enum class MemberStoreResult {
    Stored,
    CardTaken,  // found by the check, or the insert was refused and the card is now taken
    Failed,     // nothing stored: no lock, no connection, or the insert refused otherwise
    Unknown,    // the insert was sent and the connection was lost before the answer
};

// The duplicate check and the insert under the server's card lock; a lock still held by
// another desk after the wait is a failure.
MemberStoreResult StoreMemberIfCardFree(DbHandle connection, const MemberRecord& record,
                                        int lockWaitSeconds = 10);
// The insert alone; false without sending it when the card number is not a whole number.
bool InsertMemberRecord(DbHandle connection, const MemberRecord& record);
// Stored: the card holds a row with the record's name and phone; CardTaken: only rows of
// someone else; Failed: no row; Unknown: the lookup itself failed.
MemberStoreResult LookUpStoredMember(DbHandle connection, const MemberRecord& record);
