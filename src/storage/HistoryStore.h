#pragma once

#include "engine/Clock.h"
#include "engine/Date.h"
#include "engine/HistoryRecord.h"
#include "engine/HistorySink.h"
#include "engine/HistoryTotals.h"
#include "storage/HistoryOutcome.h"
#include "storage/SqliteDatabase.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class HistoryStore;

// A store to use, or none, and what opening came to. A damaged file that was
// put aside gives both a fresh store and the Damaged outcome, to tell the user.
struct HistoryOpenResult
{
    std::unique_ptr<HistoryStore> store;
    HistoryOutcome outcome;
};

// The history file, History.sqlite: one SQLite database in write-ahead-log mode
// whose every write is synced before it returns. The running program opens it
// for reading and writing; the command line opens it for reading only, which
// never creates, upgrades or renames the file and works while the program writes.
// Where no program has the file open it reads the file as it stands, so it leaves
// no -wal and -shm working files beside it either.
//
// A damaged file (not a database, failing SQLite's quick check, a database of
// something else, or a history layout without its table) is never written to:
// the program renames it aside with its companions (PutDamagedFileAside) and
// starts a new one; the command line only reports it. A file of a newer layout
// is not damaged: it is left as it is and reported as Newer, so running an older
// version for a while never costs the history a newer one kept.
class HistoryStore final : public HistorySink
{
public:
    static constexpr std::string_view FileName = "History.sqlite";

    enum class Mode
    {
        ReadWrite, // creates a missing file, upgrades an older layout, puts a damaged file aside
        ReadOnly,  // a missing or empty file is Missing
    };

    struct Options
    {
        // How long to wait for another program's lock before calling the file Locked.
        int busyTimeoutMs = 250;
        // A cap on the file's size in pages (0: none), so tests can run out of room.
        std::int64_t maxPageCount = 0;
    };

    // `clock` names a damaged file put aside; it is not kept.
    static HistoryOpenResult open(const std::string& path, Mode mode, const Clock& clock);
    static HistoryOpenResult open(const std::string& path, Mode mode, const Clock& clock, Options options);

    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;
    ~HistoryStore() override;

    const std::string& path() const { return m_path; }

    HistoryWriteResult write(std::span<HistoryRecord> records) override;

    // Days from `from` to `to`, both included, that have records, oldest first.
    HistoryRead<std::vector<DayTotal>> dayTotals(Date from, Date to);
    HistoryRead<HistoryTotal> total(Date from, Date to);
    // How many times dayTotals and total have read the file, for the window's cost.
    std::uint64_t figureReads() const { return m_figureReads; }
    // The latest date with a record; nothing for an empty history.
    HistoryRead<std::optional<Date>> lastDate();
    // The records themselves, by date and start.
    HistoryRead<std::vector<HistoryRecord>> records(Date from, Date to);

private:
    HistoryStore(std::string path, Mode mode, Options options);
    static HistoryOpenResult startAfresh(const std::string& path, const Clock& clock, Options options,
                                         HistoryOutcome damaged);

    HistoryOutcome connect();
    HistoryOutcome configure();
    HistoryOutcome readVersion(std::int64_t& version);
    HistoryOutcome check();
    HistoryOutcome checkLayout(std::int64_t version);
    HistoryOutcome layOut(std::int64_t version);
    HistoryOutcome prepareStatements(std::int64_t version);
    HistoryOutcome prepare(std::string_view sql, SqliteStatement& statement);
    HistoryOutcome failure(int code, bool writing = false) const;
    HistoryOutcome damaged(const std::string& why) const;
    HistoryOutcome badDate(std::string_view text) const;
    template <typename Row, typename Make>
    HistoryRead<std::vector<Row>> datedRows(SqliteStatement& statement, Date from, Date to, int dateColumn,
                                            Make make) const;
    HistoryOutcome writeAll(std::span<const HistoryRecord> records, std::vector<std::int64_t>& ids);
    int writeOne(const HistoryRecord& record, std::int64_t& id);

    std::string m_path;
    Mode m_mode;
    Options m_options;
    SqliteDatabase m_database;
    SqliteStatement m_upsert;
    SqliteStatement m_dayTotals;
    std::uint64_t m_figureReads = 0;
    SqliteStatement m_total;
    SqliteStatement m_records;
};
