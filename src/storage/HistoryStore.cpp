#include "storage/HistoryStore.h"

#include "storage/DamagedFile.h"
#include "storage/HistorySchema.h"
#include "storage/SqliteExactSum.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

using Status = HistoryOutcome::Status;

constexpr std::string_view UpsertSql = R"sql(
INSERT INTO records (id, date, start_epoch, end_epoch, seconds, hourly_wage, earned, utc_offset)
VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)
ON CONFLICT (id) DO UPDATE SET date = excluded.date, start_epoch = excluded.start_epoch,
    end_epoch = excluded.end_epoch, seconds = excluded.seconds, hourly_wage = excluded.hourly_wage,
    earned = excluded.earned, utc_offset = excluded.utc_offset
)sql";

constexpr std::string_view DayTotalsSql = R"sql(
SELECT date, exact_sum(seconds), exact_sum(earned) FROM records
WHERE date BETWEEN ?1 AND ?2 GROUP BY date ORDER BY date
)sql";

constexpr std::string_view TotalSql = R"sql(
SELECT exact_sum(seconds), exact_sum(earned) FROM records WHERE date BETWEEN ?1 AND ?2
)sql";

// Layout 1, read without upgrading on the command line, has no offsets.
std::string recordsSql(std::int64_t version)
{
    return std::string("SELECT id, date, start_epoch, end_epoch, seconds, hourly_wage, earned, ") +
           (version >= 2 ? "utc_offset" : "NULL") +
           " FROM records WHERE date BETWEEN ?1 AND ?2 ORDER BY date, start_epoch, id";
}

// A reader leaves nothing behind: where no program has the file open (no -wal
// or -shm beside it) it reads the file as it stands, without the working
// files SQLite would otherwise make and, read-only, could not take away.
std::string readerName(const std::string& path, int& flags)
{
    std::error_code error;
    if (std::filesystem::exists(path + "-wal", error) || std::filesystem::exists(path + "-shm", error))
        return path;
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    flags |= SQLITE_OPEN_URI;
    return uri + "?immutable=1";
}

// Binds a range's dates, then resets the statement when the reading is done.
class RangeQuery final
{
public:
    RangeQuery(SqliteStatement& statement, Date from, Date to) : m_statement(statement)
    {
        m_statement.bind(1, from.text());
        m_statement.bind(2, to.text());
    }
    RangeQuery(const RangeQuery&) = delete;
    RangeQuery& operator=(const RangeQuery&) = delete;
    ~RangeQuery() { m_statement.reset(); }

private:
    SqliteStatement& m_statement;
};

HistoryRecord recordAt(const SqliteStatement& row, Date date)
{
    HistoryRecord record;
    record.id = row.integer(0);
    record.date = date;
    record.startEpoch = row.integer(2);
    record.endEpoch = row.integer(3);
    record.seconds = row.integer(4);
    record.hourlyWage = Currency::fromUnits(row.integer(5));
    record.earned = Currency::fromUnits(row.integer(6));
    if (!row.isNull(7))
        record.utcOffset = static_cast<std::int32_t>(row.integer(7));
    return record;
}

} // namespace

HistoryStore::HistoryStore(std::string path, Mode mode, Options options)
    : m_path(std::move(path)), m_mode(mode), m_options(options)
{}

HistoryStore::~HistoryStore() = default;

HistoryOpenResult HistoryStore::open(const std::string& path, Mode mode, const Clock& clock)
{
    return open(path, mode, clock, Options{});
}

HistoryOpenResult HistoryStore::open(const std::string& path, Mode mode, const Clock& clock, Options options)
{
    std::unique_ptr<HistoryStore> store(new HistoryStore(path, mode, options));
    HistoryOutcome outcome = store->connect();
    if (outcome.ok())
        return {std::move(store), outcome};
    if (outcome.status == Status::Damaged && mode == Mode::ReadWrite) {
        // Whatever SQLite would tidy up on closing is part of what we keep.
        store->m_database.keepFilesOnClose();
        store.reset();
        return startAfresh(path, clock, options, std::move(outcome));
    }
    return {nullptr, std::move(outcome)};
}

HistoryOpenResult HistoryStore::startAfresh(const std::string& path, const Clock& clock, Options options,
                                            HistoryOutcome damaged)
{
    const AsideResult aside = putDamagedFileAside(path, clock.now());
    if (!aside.ok) {
        damaged.reason += " " + aside.reason + " The history is not saved until it is moved or removed.";
        return {nullptr, std::move(damaged)};
    }
    damaged.reason += " It was kept as " + aside.path + "; a new history was started.";
    std::unique_ptr<HistoryStore> store(new HistoryStore(path, Mode::ReadWrite, options));
    HistoryOutcome fresh = store->connect();
    if (!fresh.ok())
        return {nullptr, std::move(fresh)};
    return {std::move(store), std::move(damaged)};
}

HistoryOutcome HistoryStore::connect()
{
    const bool readOnly = m_mode == Mode::ReadOnly;
    int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    // A pipe would hold a reader until someone wrote into it; a folder or a device is no history either.
    std::error_code error;
    const std::filesystem::file_status found = std::filesystem::status(m_path, error);
    if (std::filesystem::exists(found) && !std::filesystem::is_regular_file(found))
        return {Status::Unreadable, m_path + " is not a regular file, so it cannot be a history."};
    if (const int code = m_database.open(readOnly ? readerName(m_path, flags) : m_path, flags); code != SQLITE_OK) {
        if (readOnly && m_database.error(code).systemErrno == ENOENT)
            return {Status::Missing, m_path + " does not exist: there is no history yet."};
        return failure(code);
    }
    std::int64_t version = 0;
    if (HistoryOutcome configured = configure(); !configured.ok())
        return configured;
    if (HistoryOutcome read = readVersion(version); !read.ok())
        return read;
    if (HistoryOutcome checked = check(); !checked.ok())
        return checked;
    // Nothing is written before the file is known to be ours, so a damaged one is kept as found.
    if (HistoryOutcome ours = checkLayout(version); !ours.ok())
        return ours;
    if (HistoryOutcome laidOut = layOut(version); !laidOut.ok())
        return laidOut;
    return prepareStatements(readOnly ? version : HistorySchema::Current);
}

HistoryOutcome HistoryStore::configure()
{
    sqlite3* handle = m_database.handle();
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_timeout(handle, m_options.busyTimeoutMs);
    // The file may come from anywhere: its schema gets no say over what runs.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    if (const int code = registerExactSum(handle); code != SQLITE_OK)
        return failure(code);
    return HistoryOutcome::fine();
}

HistoryOutcome HistoryStore::readVersion(std::int64_t& version)
{
    if (const int code = m_database.queryInteger("PRAGMA user_version", version); code != SQLITE_OK)
        return failure(code);
    if (version < 0)
        return damaged("its layout number is " + std::to_string(version));
    if (version > HistorySchema::Current)
        return {Status::Newer, m_path + " was written by a newer version of Earnmeter (history layout " +
                                   std::to_string(version) + "); this version reads layouts up to " +
                                   std::to_string(HistorySchema::Current) + " and leaves it as it is."};
    return HistoryOutcome::fine();
}

HistoryOutcome HistoryStore::check()
{
    std::string verdict;
    if (const int code = m_database.queryText("PRAGMA quick_check(1)", verdict); code != SQLITE_OK)
        return failure(code);
    return verdict == "ok" ? HistoryOutcome::fine() : damaged(verdict);
}

HistoryOutcome HistoryStore::checkLayout(std::int64_t version)
{
    if (version == 0) {
        bool empty = false;
        if (const int code = HistorySchema::isEmpty(m_database, empty); code != SQLITE_OK)
            return failure(code);
        if (!empty)
            return damaged("it is a database of something else");
        if (m_mode == Mode::ReadOnly)
            return {Status::Missing, m_path + " holds no history yet."};
        return HistoryOutcome::fine();
    }
    SqliteStatement records;
    return prepare(recordsSql(version), records);
}

HistoryOutcome HistoryStore::layOut(std::int64_t version)
{
    if (m_mode == Mode::ReadOnly)
        return HistoryOutcome::fine();
    // Each write is on the disk when it returns: a power cut loses at most the minute since the last.
    std::int64_t ignored = 0;
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"})
        if (const int code = m_database.queryInteger(pragma, ignored); code != SQLITE_OK)
            return failure(code, true);
    if (m_options.maxPageCount > 0) {
        const std::string cap = "PRAGMA max_page_count = " + std::to_string(m_options.maxPageCount);
        if (const int code = m_database.queryInteger(cap.c_str(), ignored); code != SQLITE_OK)
            return failure(code, true);
    }
    if (const int code = HistorySchema::createOrUpgrade(m_database, version); code != SQLITE_OK)
        return failure(code, true);
    return HistoryOutcome::fine();
}

HistoryOutcome HistoryStore::prepareStatements(std::int64_t version)
{
    const std::string records = recordsSql(version);
    std::vector<std::pair<std::string_view, SqliteStatement*>> statements = {
        {DayTotalsSql, &m_dayTotals}, {TotalSql, &m_total}, {records, &m_records}};
    if (m_mode == Mode::ReadWrite)
        statements.emplace_back(UpsertSql, &m_upsert);
    for (auto [sql, statement] : statements)
        if (HistoryOutcome prepared = prepare(sql, *statement); !prepared.ok())
            return prepared;
    return HistoryOutcome::fine();
}

HistoryOutcome HistoryStore::prepare(std::string_view sql, SqliteStatement& statement)
{
    const int code = m_database.prepare(sql, statement);
    // A plain error here is a table or column we do not find: not our layout.
    if (code == SQLITE_ERROR)
        return damaged("it is not laid out as a history file: " + m_database.error(code).message);
    return code == SQLITE_OK ? HistoryOutcome::fine() : failure(code);
}

HistoryOutcome HistoryStore::failure(int code, bool writing) const
{
    return historyFailure(m_database.error(code), m_path, writing);
}

HistoryOutcome HistoryStore::damaged(const std::string& why) const
{
    return historyDamaged(m_path, why);
}

HistoryOutcome HistoryStore::badDate(std::string_view text) const
{
    // Shown to the user: a hostile file's text is cut short.
    return damaged("a record's date reads \"" + std::string(text.substr(0, 24)) + "\"");
}

HistoryWriteResult HistoryStore::write(std::span<HistoryRecord> records)
{
    if (m_mode == Mode::ReadOnly)
        return {false, m_path + " is open for reading only."};
    std::vector<std::int64_t> ids;
    if (HistoryOutcome written = writeAll(records, ids); !written.ok())
        return {false, written.reason};
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].id = ids[i];
    return {};
}

HistoryOutcome HistoryStore::writeAll(std::span<const HistoryRecord> records, std::vector<std::int64_t>& ids)
{
    int code = m_database.exec("BEGIN IMMEDIATE");
    for (std::size_t i = 0; code == SQLITE_OK && i < records.size(); ++i)
        code = writeOne(records[i], ids.emplace_back());
    // A record left with no seconds (time away taken out) goes in the same step.
    const bool emptied =
        std::any_of(records.begin(), records.end(), [](const HistoryRecord& r) { return r.seconds == 0; });
    if (code == SQLITE_OK && emptied)
        code = m_database.exec("DELETE FROM records WHERE seconds = 0");
    if (code == SQLITE_OK)
        code = m_database.exec("COMMIT");
    if (code == SQLITE_OK)
        return HistoryOutcome::fine();
    // Taken before the rollback, which would leave its own message in place.
    HistoryOutcome outcome = failure(code, true);
    if (m_database.inTransaction())
        m_database.exec("ROLLBACK");
    return outcome;
}

int HistoryStore::writeOne(const HistoryRecord& record, std::int64_t& id)
{
    if (record.id == 0)
        m_upsert.bindNull(1);
    else
        m_upsert.bind(1, record.id);
    m_upsert.bind(2, record.date.text());
    m_upsert.bind(3, record.startEpoch);
    m_upsert.bind(4, record.endEpoch);
    m_upsert.bind(5, record.seconds);
    m_upsert.bind(6, record.hourlyWage.units);
    m_upsert.bind(7, record.earned.units);
    if (record.utcOffset)
        m_upsert.bind(8, std::int64_t{*record.utcOffset});
    else
        m_upsert.bindNull(8);
    const int code = m_upsert.step();
    m_upsert.reset();
    id = record.id != 0 ? record.id : m_database.lastInsertId();
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

// Each row of a range query, its date in `dateColumn`, made into a Row; a row
// whose date cannot be read fails the whole read.
template <typename Row, typename Make>
HistoryRead<std::vector<Row>> HistoryStore::datedRows(SqliteStatement& statement, Date from, Date to, int dateColumn,
                                                      Make make) const
{
    HistoryRead<std::vector<Row>> read;
    RangeQuery query(statement, from, to);
    int code = SQLITE_OK;
    while ((code = statement.step()) == SQLITE_ROW) {
        const std::optional<Date> date = Date::parse(statement.text(dateColumn));
        if (!date)
            return {{}, badDate(statement.text(dateColumn))};
        read.value.push_back(make(statement, *date));
    }
    if (code != SQLITE_DONE)
        return {{}, failure(code)};
    return read;
}

HistoryRead<std::vector<DayTotal>> HistoryStore::dayTotals(Date from, Date to)
{
    ++m_figureReads;
    return datedRows<DayTotal>(m_dayTotals, from, to, 0, [](const SqliteStatement& row, Date date) {
        return DayTotal{date, row.integer(1), Currency::fromUnits(row.integer(2))};
    });
}

HistoryRead<HistoryTotal> HistoryStore::total(Date from, Date to)
{
    ++m_figureReads;
    RangeQuery query(m_total, from, to);
    const int code = m_total.step();
    if (code != SQLITE_ROW)
        return {{}, failure(code)};
    return {{m_total.integer(0), Currency::fromUnits(m_total.integer(1))}, HistoryOutcome::fine()};
}

HistoryRead<std::optional<Date>> HistoryStore::lastDate()
{
    std::string text;
    if (const int code = m_database.queryText("SELECT coalesce(max(date), '') FROM records", text); code != SQLITE_OK)
        return {{}, failure(code)};
    if (text.empty())
        return {std::nullopt, HistoryOutcome::fine()};
    if (const std::optional<Date> date = Date::parse(text))
        return {date, HistoryOutcome::fine()};
    return {{}, badDate(text)};
}

HistoryRead<std::vector<HistoryRecord>> HistoryStore::records(Date from, Date to)
{
    return datedRows<HistoryRecord>(m_records, from, to, 1, recordAt);
}
