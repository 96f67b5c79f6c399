#include "storage/HistorySchema.h"

#include <sqlite3.h>

namespace {

constexpr const char* CreateCurrent = R"sql(
CREATE TABLE records (
    id INTEGER PRIMARY KEY,
    date TEXT NOT NULL,
    start_epoch INTEGER NOT NULL,
    end_epoch INTEGER NOT NULL,
    seconds INTEGER NOT NULL,
    hourly_wage INTEGER NOT NULL,
    earned INTEGER NOT NULL,
    utc_offset INTEGER
);
CREATE INDEX records_by_date ON records (date);
PRAGMA user_version = 2;
)sql";

// Records kept by layout 1 did not note their offset: it stays unknown (NULL).
constexpr const char* UpgradeFrom1 = R"sql(
ALTER TABLE records ADD COLUMN utc_offset INTEGER;
CREATE INDEX records_by_date ON records (date);
PRAGMA user_version = 2;
)sql";

int inTransaction(SqliteDatabase& database, const char* sql)
{
    int code = database.exec("BEGIN IMMEDIATE");
    if (code == SQLITE_OK)
        code = database.exec(sql);
    if (code == SQLITE_OK)
        code = database.exec("COMMIT");
    if (code != SQLITE_OK && database.inTransaction())
        database.exec("ROLLBACK");
    return code;
}

} // namespace

namespace HistorySchema {

int createOrUpgrade(SqliteDatabase& database, std::int64_t version)
{
    if (version == 0)
        return inTransaction(database, CreateCurrent);
    if (version == 1)
        return inTransaction(database, UpgradeFrom1);
    return SQLITE_OK;
}

int isEmpty(SqliteDatabase& database, bool& empty)
{
    std::int64_t objects = 0;
    const int code = database.queryInteger("SELECT count(*) FROM sqlite_schema", objects);
    empty = objects == 0;
    return code;
}

} // namespace HistorySchema
