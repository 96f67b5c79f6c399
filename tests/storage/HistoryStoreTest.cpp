#include "storage/HistoryStore.h"

#include "HistoryTestFolder.h"

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

namespace {

using Mode = HistoryStore::Mode;
using Status = HistoryOutcome::Status;

constexpr std::int64_t Wage10 = 100000; // 10.00 an hour, in units
constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();

// How layout 1 was written, before the offset column and the date index.
constexpr const char* Layout1 = "CREATE TABLE records (id INTEGER PRIMARY KEY, date TEXT NOT NULL, "
                                "start_epoch INTEGER NOT NULL, end_epoch INTEGER NOT NULL, seconds INTEGER NOT NULL, "
                                "hourly_wage INTEGER NOT NULL, earned INTEGER NOT NULL);"
                                "INSERT INTO records VALUES (1, '2025-12-31', 1767193200, 1767196800, 3600, 100000, "
                                "100000), (2, '2026-01-02', 1767340800, 1767340890, 90, 123400, 30850);"
                                "PRAGMA user_version = 1;";

struct HistoryStoreTest : HistoryTestFolder
{
    std::vector<HistoryRecord> all(HistoryStore& store)
    {
        HistoryRead<std::vector<HistoryRecord>> read = store.records(Date::first(), Date::last());
        EXPECT_TRUE(read.outcome.ok()) << read.outcome.reason;
        return read.value;
    }

    // Opening the file as `mode` gives no store and tells `status` with `reason`.
    void expectRefused(Mode mode, Status status, const std::string& reason)
    {
        const HistoryOpenResult opened = open(mode);
        EXPECT_EQ(opened.outcome.status, status) << opened.outcome.reason;
        EXPECT_EQ(opened.outcome.reason, reason);
        EXPECT_FALSE(opened.store);
    }
};

// The command line reads what the program writes while it writes, and again as it stands once it is gone. A write
// that fails, at once or midway, leaves the stored records and the given ids as they were, and the store goes on.
TEST_F(HistoryStoreTest, RecordsRoundTripExactlyAndAFailedWriteLeavesThemAsTheyWere)
{
    HistoryOpenResult opened = open(Mode::ReadWrite, 5);
    ASSERT_TRUE(opened.outcome.ok()) << opened.outcome.reason;
    std::vector<HistoryRecord> records = {
        Record("2026-03-29", 1774745000, 90, Wage10), Record("2026-03-28", 1774650000, 3600, Max, -36000),
        Record("9999-12-31", Max - 5, 5, std::numeric_limits<std::int64_t>::min(), std::nullopt)};
    ASSERT_TRUE(opened.store->write(records).ok);
    HistoryOpenResult reader = open(Mode::ReadOnly);
    ASSERT_TRUE(reader.outcome.ok()) << reader.outcome.reason;
    EXPECT_EQ(all(*reader.store), (std::vector<HistoryRecord>{records[1], records[0], records[2]}));
    const std::int64_t id = records[0].id;
    EXPECT_TRUE(id != 0 && records[1].id != id);
    records[0] = Record("2026-03-29", 1774745000, 120, Wage10), records[0].id = id; // an update by id
    ASSERT_TRUE(opened.store->write(std::span(records).first(1)).ok);
    EXPECT_EQ(records[0].id, id);
    const std::vector<HistoryRecord> stored = {records[1], records[0], records[2]};
    EXPECT_EQ(all(*reader.store), stored);
    const HistoryWriteResult readOnly = reader.store->write(records);
    EXPECT_FALSE(readOnly.ok);
    EXPECT_EQ(readOnly.reason, historyPath() + " is open for reading only.");

    std::vector<HistoryRecord> batch = records;
    batch[0].seconds = 999; // an update, then more than the file can hold
    for (int i = 0; i < 2000; ++i)
        batch.push_back(Record("2026-03-30", 1774800000 + i * 100, 60, Wage10));
    const HistoryWriteResult failed = opened.store->write(batch);
    EXPECT_TRUE(!failed.ok && failed.reason.find(historyPath()) != std::string::npos &&
                failed.reason.find("full") != std::string::npos)
        << failed.reason;
    EXPECT_EQ(batch[3].id, 0);
    EXPECT_EQ(all(*opened.store), stored);
    EXPECT_TRUE(opened.store->write(std::span(records).first(1)).ok) << "the store goes on";
    reader.store.reset(), opened.store.reset();

    for (Mode mode : {Mode::ReadWrite, Mode::ReadOnly}) {
        HistoryOpenResult again = open(mode);
        ASSERT_TRUE(again.outcome.ok()) << again.outcome.reason;
        EXPECT_EQ(all(*again.store), stored);
    }
}

TEST_F(HistoryStoreTest, DayTotalsAndRangeTotalsAddEachDaysRecordsExactlyOrTellADamagedDate)
{
    HistoryOpenResult opened = open();
    std::vector<HistoryRecord> records = {
        Record("2026-03-01", 1772330000, 1, Wage10),    Record("2026-03-01", 1772340000, 2, Wage10), // 0.0028 + 0.0056
        Record("2026-03-23", 1774250000, 3600, 123400), Record("2026-03-29", 1774770000, 5400, 125000),
        Record("2026-04-01", 1775030000, 60, Wage10),   Record("2025-12-31", 1767190000, 60, Wage10)};
    ASSERT_TRUE(opened.store->write(records).ok);
    HistoryStore& store = *opened.store;
    const auto money = Currency::fromUnits;

    const std::vector<DayTotal> march = {{D("2026-03-01"), 3, money(84)},
                                         {D("2026-03-23"), 3600, money(123400)},
                                         {D("2026-03-29"), 5400, money(187500)}};
    EXPECT_EQ(store.dayTotals(D("2026-03-01"), D("2026-03-31")).value, march);
    EXPECT_TRUE(store.dayTotals(D("2026-03-30"), D("2026-03-01")).value.empty());

    const Date today = D("2026-03-29");
    const std::pair<Date, HistoryTotal> totals[] = {{today, {5400, money(187500)}},
                                                    {today.startOfWeek(Weekday::Monday), {9000, money(310900)}},
                                                    {today.startOfMonth(), {9003, money(310984)}},
                                                    {Date::first(), {9063, money(312651)}}};
    for (const auto& [from, total] : totals) {
        const HistoryRead<HistoryTotal> read = store.total(from, today);
        EXPECT_TRUE(read.outcome.ok());
        EXPECT_EQ(read.value, total) << from.text();
    }
    EXPECT_EQ(store.total(D("2027-01-01"), Date::last()).value, HistoryTotal{});

    // Two days at the largest wage: the sums are held at the range's edge, not refused.
    std::vector<HistoryRecord> largest = {Record("2026-05-01", 1777600000, 86400, Max),
                                          Record("2026-05-01", 1777700000, 86400, Max)};
    ASSERT_TRUE(store.write(largest).ok);
    EXPECT_EQ(store.dayTotals(D("2026-05-01"), D("2026-05-01")).value[0].earned, Currency::max());
    EXPECT_EQ(store.total(Date::first(), Date::last()).value.earned, Currency::max());

    // A record with a mangled date is told as damaged, not skipped.
    Exec(historyPath(), "UPDATE records SET date = '2026-03-29x' WHERE seconds = 5400");
    const HistoryRead<std::vector<DayTotal>> days = store.dayTotals(Date::first(), Date::last());
    EXPECT_EQ(days.outcome.status, Status::Damaged);
    EXPECT_EQ(days.outcome.reason, historyPath() + " is damaged (a record's date reads \"2026-03-29x\").");
    EXPECT_TRUE(days.value.empty());
    EXPECT_EQ(store.records(Date::first(), Date::last()).outcome.status, Status::Damaged);
}

TEST_F(HistoryStoreTest, ALayout1FileIsUpgradedWholeOrLeftAsItWasAndKeepsItsRecords)
{
    Exec(historyPath(), Layout1);
    const auto money = Currency::fromUnits;
    std::vector<HistoryRecord> records = {
        {1, D("2025-12-31"), 1767193200, 1767196800, 3600, money(100000), money(100000), std::nullopt},
        {2, D("2026-01-02"), 1767340800, 1767340890, 90, money(123400), money(30850), std::nullopt}};
    {
        // The command line reads it as it is and changes nothing.
        HistoryOpenResult reader = open(Mode::ReadOnly);
        ASSERT_TRUE(reader.outcome.ok()) << reader.outcome.reason;
        EXPECT_EQ(reader.store->total(Date::first(), Date::last()).value, (HistoryTotal{3690, money(130850)}));
        EXPECT_EQ(all(*reader.store), records);
    }
    EXPECT_EQ(QueryInteger(historyPath(), "PRAGMA user_version"), 1);

    // With no room for the index the upgrade fails, and the file is left whole.
    const HistoryOpenResult cramped = open(Mode::ReadWrite, QueryInteger(historyPath(), "PRAGMA page_count"));
    EXPECT_EQ(cramped.outcome.status, Status::Unwritable) << cramped.outcome.reason;
    EXPECT_FALSE(cramped.store);
    EXPECT_EQ(QueryInteger(historyPath(), "PRAGMA user_version"), 1);
    EXPECT_EQ(QueryInteger(historyPath(), "SELECT sum(earned) FROM records"), 130850);

    HistoryOpenResult opened = open();
    ASSERT_TRUE(opened.outcome.ok()) << opened.outcome.reason;
    EXPECT_EQ(QueryInteger(historyPath(), "PRAGMA user_version"), 2);
    EXPECT_EQ(QueryInteger(historyPath(), "SELECT count(*) FROM sqlite_schema WHERE name = 'records_by_date'"), 1);
    EXPECT_EQ(Bytes(historyPath()).at(18), 2) << "the header's mark of a write-ahead log";
    EXPECT_EQ(all(*opened.store), records);
    records.push_back(Record("2026-03-29", 1774745000, 90, Wage10));
    ASSERT_TRUE(opened.store->write(std::span(records).last(1)).ok);
    EXPECT_EQ(records[2].id, 3);
    EXPECT_EQ(all(*opened.store), records);
}

TEST_F(HistoryStoreTest, ADamagedFileIsKeptAsideWithItsCompanionsAndANewHistoryStarts)
{
    std::mt19937 random(14);
    std::string noise(8192, '\0');
    std::generate(noise.begin(), noise.end(), [&random] { return static_cast<char>(random()); });
    std::vector<HistoryRecord> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(Record("2026-03-01", 1772300000 + i * 100, 60, Wage10));
    ASSERT_TRUE(open().store->write(many).ok);
    const std::string whole = Bytes(historyPath());
    // What is found: its bytes, or the SQL that makes it.
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"random bytes", noise, ""},
        {"a truncated database", whole.substr(0, whole.size() / 3), ""},
        {"a database with a page written over", whole.substr(0, 8192) + noise.substr(0, 4096) + whole.substr(12288),
         ""},
        {"a text file", "date,seconds,hours,earned\n2026-03-29,5400,1.5000,18.75\n", ""},
        {"a database of something else", "", "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine')"},
        {"a layout 2 file without records", "", "CREATE TABLE other (x); PRAGMA user_version = 2"},
    };
    const std::string aside = historyPath() + ".damaged-20260329-021500";
    for (const auto& [name, bytes, sql] : rows) {
        SCOPED_TRACE(name);
        if (sql.empty())
            Put(historyPath(), bytes);
        else
            Exec(historyPath(), sql);
        const std::string original = Bytes(historyPath());
        Put(historyPath() + "-wal", "the log of " + name);
        Put(historyPath() + "-shm", "its index");

        HistoryOpenResult opened = open();
        EXPECT_EQ(opened.outcome.status, Status::Damaged);
        EXPECT_EQ(opened.outcome.reason.find(historyPath() + " is damaged ("), 0u) << opened.outcome.reason;
        EXPECT_NE(opened.outcome.reason.find("kept as " + aside + ";"), std::string::npos) << opened.outcome.reason;
        ASSERT_TRUE(opened.store);
        EXPECT_EQ(Bytes(aside), original);
        EXPECT_EQ(Bytes(aside + "-wal"), "the log of " + name);
        EXPECT_TRUE(std::filesystem::exists(aside + "-shm"));
        // The new history works and lives under the old name.
        std::vector<HistoryRecord> records = {Record("2026-03-29", 1774745000, 60, Wage10)};
        EXPECT_TRUE(opened.store->write(records).ok);
        EXPECT_EQ(all(*opened.store), records);
        opened.store.reset();
        EXPECT_EQ(names(), (std::set<std::string>{"History.sqlite", "History.sqlite.damaged-20260329-021500",
                                                  "History.sqlite.damaged-20260329-021500-wal",
                                                  "History.sqlite.damaged-20260329-021500-shm"}));
        for (const std::string& name : names())
            std::filesystem::remove(file(name));
    }

    // A kept file, or a log kept with one, is never replaced by the next one.
    Put(aside, "kept earlier");
    Put(aside + "-2-wal", "a log kept earlier");
    Put(historyPath(), "not a database");
    EXPECT_NE(open().outcome.reason.find("kept as " + aside + "-3;"), std::string::npos);
    EXPECT_EQ(Bytes(aside), "kept earlier");
    EXPECT_EQ(Bytes(aside + "-2-wal"), "a log kept earlier");
    EXPECT_EQ(Bytes(aside + "-3"), "not a database");
}

// The command line creates, moves and upgrades nothing; neither mode writes over a locked or newer file.
TEST_F(HistoryStoreTest, AMissingLockedNewerOrUnreadableFileIsToldAndLeftAsItIs)
{
    expectRefused(Mode::ReadOnly, Status::Missing, historyPath() + " does not exist: there is no history yet.");
    EXPECT_TRUE(names().empty());
    Put(historyPath(), "");
    EXPECT_EQ(open(Mode::ReadOnly).outcome.status, Status::Missing);
    // A damaged file it only tells of: see PrintsTheDaysAskedForOrTheHeaderAloneOrSaysWhyItCannot.
    open();
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(historyPath().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    for (Mode mode : {Mode::ReadWrite, Mode::ReadOnly})
        expectRefused(mode, Status::Locked, historyPath() + " is in use by another program (database is locked).");
    sqlite3_exec(holder, "COMMIT; PRAGMA user_version = 3;", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    const std::string before = Bytes(historyPath());
    for (Mode mode : {Mode::ReadWrite, Mode::ReadOnly})
        expectRefused(mode, Status::Newer,
                      historyPath() + " was written by a newer version of Earnmeter (history layout 3); this "
                                      "version reads layouts up to 2 and leaves it as it is.");
    EXPECT_EQ(Bytes(historyPath()), before);
    EXPECT_EQ(names(), std::set<std::string>{"History.sqlite"}) << "nothing put aside";

    const HistoryOpenResult folder = HistoryStore::open(this->folder, Mode::ReadWrite, clock);
    EXPECT_EQ(folder.outcome.status, Status::Unreadable);
    EXPECT_EQ(folder.outcome.reason, this->folder + " is not a regular file, so it cannot be a history.");
}

} // namespace
