#!/usr/bin/env bash
# Runs scripts/db as a shop does, on scratch instances of the tests' own, and checks the
# tables and files it leaves. One case per run: db_script_test.sh CASE PORT
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
db="$root/scripts/db"
case_name="$1"
port="$2"
work="$(mktemp -d)"
instances=()
failures=0

cleanup() {
    local name
    for name in "${instances[@]}"; do
        DB_INSTANCE="$name" DB_PORT="$port" "$db" stop >/dev/null 2>&1
        rm -rf "$root/.db/$name"
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# Starts a fresh scratch instance; DB_INSTANCE and DB_PORT name it from then on.
use_instance() {
    export DB_INSTANCE="$1" DB_PORT="$port"
    instances+=("$1")
    rm -rf "$root/.db/$1"
    local out
    out="$("$db" start 2>&1)" || { echo "could not start $1: $out"; exit 1; }
}

sql() { mariadb --no-defaults -S "$root/.db/$DB_INSTANCE/mysqld.sock" -uroot -N "$@"; }

# What the shop's tables hold, rows and definitions, as one text.
tables_now() {
    mariadb-dump --no-defaults -S "$root/.db/$DB_INSTANCE/mysqld.sock" -uroot --skip-comments \
        --skip-dump-date marlovia
}

saves() { find "$root/.db/$DB_INSTANCE" -maxdepth 1 -name 'before-restore-*' | sort; }

# A member with a recharge and a bill, as the desks store them.
add_member() {
    local card="$1" name="$2"
    sql marlovia -e "SET NAMES utf8mb4;
        INSERT INTO userlist (user_id, user_name) VALUES ($card, '$name');
        INSERT INTO paylist (pay_time, pay_money, pay_give, pay_total, pay_method, user_id, user_name)
            VALUES ('2026-12-11 09:00:00', '500', '50', '550', '现金', $card, '$name');
        INSERT INTO costlist (cost_money, cost_date, xm_id, xm_name, xm_money, user_id, user_name)
            VALUES ('68', '2026-12-11 10:00:00', '1', '足疗', '68', $card, '$name');"
}

# Files that are no whole backup of the shop are refused, with the reason, before anything
# is changed or saved.
restore_refuses() {
    use_instance test-restore-refused
    add_member 7 张三
    "$db" backup "$work/good.sql" >/dev/null || fail "the good backup was not written"

    : >"$work/empty.sql"
    head -c "$(($(stat -c %s "$work/good.sql") / 2))" "$work/good.sql" >"$work/half.sql"
    # Cut right after the bills' table was dropped and made anew, before its rows.
    sed '/^LOCK TABLES `costlist` WRITE;/,$d' "$work/good.sql" >"$work/cut.sql"
    echo 'DROP TABLE paylist;' >"$work/plain.sql"
    sql -e "CREATE DATABASE other; CREATE TABLE other.t (a INT); INSERT INTO other.t VALUES (1)"
    mariadb-dump --no-defaults -S "$root/.db/$DB_INSTANCE/mysqld.sock" -uroot --databases other \
        >"$work/other.sql"
    mariadb-dump --no-defaults -S "$root/.db/$DB_INSTANCE/mysqld.sock" -uroot \
        --databases marlovia other >"$work/both.sql"
    mkdir "$work/folder"

    local before
    before="$(tables_now)"
    local file reason
    while IFS='|' read -r file reason; do
        out="$("$db" restore "$work/$file" 2>&1)"
        status=$?
        [ "$status" -ne 0 ] || fail "$file: restore exited 0: $out"
        [[ "$out" == *"$reason"* ]] || fail "$file: the message does not say '$reason': $out"
        [[ "$out" != *"restored from"* ]] || fail "$file: reported as restored: $out"
        [ "$(tables_now)" == "$before" ] || fail "$file: the shop's tables changed"
        [ -z "$(saves)" ] || fail "$file: a save was made for a refused file"
    done <<'CASES'
missing.sql|does not exist
empty.sql|is empty
half.sql|cut short
cut.sql|cut short
plain.sql|not a backup of the shop
other.sql|another schema
both.sql|another schema
folder|not a file
CASES
}

# A whole backup replaces the tables, after the data they held was saved to a named file,
# which undoes the restore; a load that fails part way changes nothing and says so.
restore_saves_and_undoes() {
    use_instance test-restore
    add_member 7 张三
    "$db" backup "$work/morning.sql" >/dev/null || fail "the morning backup was not written"
    local morning
    morning="$(tables_now)"

    add_member 8 李四
    sql marlovia -e "UPDATE costlist SET cost_del = 1 WHERE user_id = 7"
    local evening
    evening="$(tables_now)"

    out="$("$db" restore "$work/morning.sql" 2>&1)" || fail "the restore failed: $out"
    [ "$(tables_now)" == "$morning" ] || fail "the restore did not bring back the morning's tables"
    saved="$(saves)"
    [ "$(echo "$saved" | wc -l)" -eq 1 ] && [ -s "$saved" ] || fail "no single save was made: $saved"
    [[ "$out" == *"$saved"* ]] || fail "the message does not name the save $saved: $out"
    [ -z "$(sql -e "SHOW DATABASES LIKE 'marlovia\\_%'")" ] || fail "work schemas were left over"
    sql marlovia -e "SELECT COUNT(*) FROM userlist" | grep -qx 1 || fail "the restored member count is wrong"

    out="$("$db" restore "$saved" 2>&1)" || fail "undoing the restore failed: $out"
    [ "$(tables_now)" == "$evening" ] || fail "restoring the save did not undo the restore"

    # Passes every check but stops at a statement in the middle, after the members' table.
    sed '/^LOCK TABLES `xmlist` WRITE;/i THIS IS NOT SQL;' "$work/morning.sql" >"$work/broken.sql"
    out="$("$db" restore "$work/broken.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a failed load exited 0: $out"
    [[ "$out" == *"failed part way"* ]] || fail "the failed load is not reported: $out"
    [[ "$out" != *"restored from"* ]] || fail "the failed load is reported as restored: $out"
    [ "$(tables_now)" == "$evening" ] || fail "the failed load changed the shop's tables"
    local newest
    newest="$(ls -t $(saves) | head -n 1)"
    [[ "$out" == *"restore $newest"* ]] || fail "the failed load does not name its save $newest: $out"
    [ -z "$(sql -e "SHOW DATABASES LIKE 'marlovia\\_%'")" ] || fail "work schemas were left over"

    # The database stops in the middle of the load.
    sed '/^LOCK TABLES `xmlist` WRITE;/i SHUTDOWN;' "$work/morning.sql" >"$work/stopping.sql"
    out="$("$db" restore "$work/stopping.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a load the stopped database cut exited 0: $out"
    [[ "$out" == *"failed part way"* ]] || fail "the load the stopped database cut is not reported: $out"
    newest="$(ls -t $(saves) | head -n 1)"
    [[ "$out" == *"restore $newest"* ]] || fail "the cut load does not name its save $newest: $out"
    for _ in $(seq 50); do "$db" status >/dev/null || break; sleep 0.2; done
    ! "$db" status >/dev/null || fail "the database did not stop in the middle of the load"
    for _ in $(seq 50); do [ -e "$root/.db/$DB_INSTANCE/mysqld.pid" ] || break; sleep 0.2; done
    "$db" start >/dev/null || fail "the stopped database did not start again"
    [ "$(tables_now)" == "$evening" ] || fail "the load the stopped database cut changed the shop's tables"

    # No room for the save (a full disk): nothing is replaced, and no cut save is left.
    local count
    count="$(saves | wc -l)"
    out="$(ulimit -f 4; "$db" restore "$work/morning.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a restore that could not save first exited 0: $out"
    [[ "$out" == *"could not be saved first"* ]] || fail "the failed save is not reported: $out"
    [ "$(tables_now)" == "$evening" ] || fail "a restore that could not save first changed the tables"
    [ "$(saves | wc -l)" -eq "$count" ] || fail "a failed save left a file: $(saves)"

    "$db" stop >/dev/null
    out="$("$db" restore "$work/morning.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a restore into a stopped database exited 0: $out"
    [[ "$out" == *"not running"* ]] || fail "the stopped database is not named: $out"
    [ "$(saves | wc -l)" -eq "$count" ] || fail "a restore into a stopped database made a save"
}

# A failed dump keeps the earlier file and leaves no part file; a folder is refused before
# anything is written.
backup_leaves_no_half_file() {
    use_instance test-backup
    "$db" backup "$work/shop.sql" >/dev/null || fail "the first backup was not written"
    local earlier
    earlier="$(sha256sum <"$work/shop.sql")"
    # Notes long enough that the dump outgrows a 64 KiB file-size limit.
    sql marlovia -e "INSERT INTO userlist (user_id, user_notes) SELECT seq, REPEAT('x', 250)
                     FROM seq_1_to_1000"
    out="$(ulimit -f 64; "$db" backup "$work/shop.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a dump cut by the file-size limit exited 0: $out"
    [[ "$out" == *"failed"* ]] || fail "the failed dump is not reported: $out"
    [ "$(sha256sum <"$work/shop.sql")" == "$earlier" ] || fail "the earlier backup was changed"
    [ ! -e "$work/shop.sql.part" ] || fail "the cut dump was left as shop.sql.part"

    out="$("$db" backup "$work/nowhere/shop.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a backup into a missing folder exited 0: $out"
    [ ! -e "$work/nowhere" ] || fail "a backup into a missing folder made it"

    mkdir "$work/stick"
    for target in "$work/stick" "$work/stick/" "$work/new/"; do
        out="$("$db" backup "$target" 2>&1)"
        [ $? -ne 0 ] || fail "$target: a backup to a folder exited 0: $out"
        [[ "$out" == *"is a folder"* ]] || fail "$target: the refusal does not say why: $out"
    done
    [ -z "$(ls -A "$work/stick")" ] || fail "a backup to a folder wrote into it: $(ls -A "$work/stick")"
    [ ! -e "$work/new" ] && [ ! -e "$work/new.part" ] || fail "a backup to new/ wrote something"

    "$db" stop >/dev/null
    out="$("$db" backup "$work/shop.sql" 2>&1)"
    [ $? -ne 0 ] || fail "a backup of a stopped database exited 0: $out"
    [[ "$out" == *"not running"* ]] || fail "the stopped database is not named: $out"
    [ "$(sha256sum <"$work/shop.sql")" == "$earlier" ] || fail "a backup of a stopped database changed the file"
    [ ! -e "$work/shop.sql.part" ] || fail "a backup of a stopped database left a part file"
}

# The shop's instance writes every commit to disk before it answers, even one left running
# by an earlier start with another setting; the tests' own may hand it to the system only.
commit_flush() {
    use_instance scratch-shop
    [ "$(sql -e 'SELECT @@innodb_flush_log_at_trx_commit')" == 1 ] || fail "a shop instance starts without =1"
    sql -e "SET GLOBAL innodb_flush_log_at_trx_commit = 2"
    "$db" start >/dev/null
    [ "$(sql -e 'SELECT @@innodb_flush_log_at_trx_commit')" == 1 ] || fail "a running shop instance kept =2"
    "$db" stop >/dev/null

    use_instance test-flush
    [ "$(sql -e 'SELECT @@innodb_flush_log_at_trx_commit')" == 2 ] || fail "a tests' instance does not keep =2"
}

"$case_name"
[ "$failures" -eq 0 ] && echo "passed" || exit 1
