#include "storage/HistoryStore.h"

#include "HistoryTestFolder.h"

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

    // A real history file of `count` records, as bytes.
    std::string historyFileBytes(int count)
    {
        const std::string path = file("source.sqlite");
        {
            HistoryOpenResult source = HistoryStore::open(path, Mode::ReadWrite, clock, {0, 0});
            std::vector<HistoryRecord> records;
            for (int i = 0; i < count; ++i)
                records.push_back(Record("2026-03-01", 1772300000 + i * 100, 60, Wage10));
            EXPECT_TRUE(source.store->write(records).ok);
        }
        const std::string bytes = Bytes(path);
        std::filesystem::remove(path);
        return bytes;
    }
};

TEST_F(HistoryStoreTest, RecordsRoundTripExactlyAndAnUpdateByIdReplacesTheRecord)
{
    HistoryOpenResult opened = open();
    ASSERT_TRUE(opened.outcome.ok()) << opened.outcome.reason;
    std::vector<HistoryRecord> records = {
        Record("2026-03-29", 1774745000, 90, Wage10), Record("2026-03-28", 1774650000, 3600, Max, -36000),
        Record("9999-12-31", Max - 5, 5, std::numeric_limits<std::int64_t>::min(), std::nullopt)};
    ASSERT_TRUE(opened.store->write(records).ok);
    const std::int64_t id = records[0].id;
    EXPECT_TRUE(id != 0 && records[1].id != id);
    records[0] = Record("2026-03-29", 1774745000, 120, Wage10), records[0].id = id;
    ASSERT_TRUE(opened.store->write(std::span(records).first(1)).ok);
    EXPECT_EQ(records[0].id, id);
    opened.store.reset();

    for (Mode mode : {Mode::ReadWrite, Mode::ReadOnly}) {
        HistoryOpenResult again = open(mode);
        ASSERT_TRUE(again.outcome.ok()) << again.outcome.reason;
        EXPECT_EQ(all(*again.store), (std::vector<HistoryRecord>{records[1], records[0], records[2]}));
    }
}

TEST_F(HistoryStoreTest, DayTotalsAndRangeTotalsAddEachDaysRecordsExactly)
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
    EXPECT_EQ(store.dayTotals(D("2026-03-23"), D("2026-03-23")).value, std::vector<DayTotal>{march[1]});
    EXPECT_TRUE(store.dayTotals(D("2026-03-30"), D("2026-03-01")).value.empty());

    const Date today = D("2026-03-29");
    const std::pair<Date, HistoryTotal> totals[] = {{today, {5400, money(187500)}},
                                                    {today.startOfWeek(Weekday::Monday), {9000, money(310900)}},
                                                    {today.startOfMonth(), {9003, money(310984)}},
                                                    {today.startOfYear(), {9003, money(310984)}},
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
}

TEST_F(HistoryStoreTest, AFailedWriteLeavesTheStoredRecordsAndTheGivenIdsAsTheyWere)
{
    HistoryOpenResult opened = open(Mode::ReadWrite, 5);
    ASSERT_TRUE(opened.outcome.ok()) << opened.outcome.reason;
    std::vector<HistoryRecord> kept = {Record("2026-03-29", 1774745000, 90, Wage10)};
    ASSERT_TRUE(opened.store->write(kept).ok);

    std::vector<HistoryRecord> batch = kept;
    batch[0].seconds = 999; // an update, then more than the file can hold
    for (int i = 0; i < 2000; ++i)
        batch.push_back(Record("2026-03-30", 1774800000 + i * 100, 60, Wage10));
    const HistoryWriteResult failed = opened.store->write(batch);
    EXPECT_TRUE(!failed.ok && failed.reason.find(historyPath()) != std::string::npos &&
                failed.reason.find("full") != std::string::npos)
        << failed.reason;
    EXPECT_EQ(batch[1].id, 0);
    EXPECT_EQ(all(*opened.store), kept);
    // The store goes on: a write that fits is taken.
    kept[0].seconds = 100;
    EXPECT_TRUE(opened.store->write(kept).ok);
    EXPECT_EQ(all(*opened.store), kept);

    // A refusal after part of a batch went in (here by a rule another program added) takes the whole batch back.
    Exec(historyPath(), "CREATE TRIGGER refuse BEFORE INSERT ON records WHEN NEW.seconds = 13 "
                        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    std::vector<HistoryRecord> refused = {Record("2026-03-30", 1774800000, 12, Wage10),
                                          Record("2026-03-30", 1774800100, 13, Wage10)};
    EXPECT_FALSE(opened.store->write(refused).ok);
    EXPECT_EQ(all(*opened.store), kept);
    Exec(historyPath(), "DROP TRIGGER refuse");
    EXPECT_TRUE(opened.store->write(std::span(refused).first(1)).ok);
}

TEST_F(HistoryStoreTest, ALayout1FileIsUpgradedAndKeepsItsRecords)
{
    Exec(historyPath(), Layout1);
    {
        // The command line reads it as it is and changes nothing.
        HistoryOpenResult reader = open(Mode::ReadOnly);
        ASSERT_TRUE(reader.outcome.ok()) << reader.outcome.reason;
        EXPECT_EQ(reader.store->total(Date::first(), Date::last()).value,
                  (HistoryTotal{3690, Currency::fromUnits(130850)}));
        EXPECT_FALSE(all(*reader.store)[0].utcOffset);
    }
    EXPECT_EQ(QueryInteger(historyPath(), "PRAGMA user_version"), 1);

    HistoryOpenResult opened = open();
    ASSERT_TRUE(opened.outcome.ok()) << opened.outcome.reason;
    EXPECT_EQ(QueryInteger(historyPath(), "PRAGMA user_version"), 2);
    EXPECT_EQ(QueryInteger(historyPath(), "SELECT count(*) FROM sqlite_schema WHERE name = 'records_by_date'"), 1);
    EXPECT_EQ(Bytes(historyPath()).at(18), 2) << "the header's mark of a write-ahead log";
    HistoryRecord first = Record("2025-12-31", 1767193200, 3600, Wage10, std::nullopt);
    first.id = 1;
    std::vector<HistoryRecord> records = all(*opened.store);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], first);
    std::vector<HistoryRecord> added = {Record("2026-03-29", 1774745000, 90, Wage10)};
    ASSERT_TRUE(opened.store->write(added).ok);
    EXPECT_EQ(added[0].id, 3);
    EXPECT_EQ(all(*opened.store).back(), added[0]);
}

TEST_F(HistoryStoreTest, AnUpgradeThatFailsLeavesTheLayout1FileWhole)
{
    Exec(historyPath(), Layout1);
    const std::int64_t pages = QueryInteger(historyPath(), "PRAGMA page_count");
    HistoryOpenResult opened = open(Mode::ReadWrite, pages); // no room for the index
    EXPECT_EQ(opened.outcome.status, Status::Unwritable) << opened.outcome.reason;
    EXPECT_FALSE(opened.store);
    EXPECT_EQ(QueryInteger(historyPath(), "PRAGMA user_version"), 1);
    EXPECT_EQ(QueryInteger(historyPath(), "SELECT sum(earned) FROM records"), 130850);
    EXPECT_TRUE(open().outcome.ok());
}

TEST_F(HistoryStoreTest, ADamagedFileIsKeptAsideWithItsCompanionsAndANewHistoryStarts)
{
    std::mt19937 random(14);
    std::string noise(8192, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const std::string whole = historyFileBytes(300);
    const std::pair<std::string, std::string> rows[] = {
        {"random bytes", noise},
        {"a truncated database", whole.substr(0, whole.size() / 3)},
        {"a database with a page written over", whole.substr(0, 8192) + noise.substr(0, 4096) + whole.substr(12288)},
        {"a text file", "date,seconds,hours,earned\n2026-03-29,5400,1.5000,18.75\n"},
        {"a database of something else", ""},
        {"a layout 2 file without records", ""},
    };
    const std::string aside = historyPath() + ".damaged-20260329-021500";
    for (const auto& [name, bytes] : rows) {
        SCOPED_TRACE(name);
        if (name == "a database of something else")
            Exec(historyPath(), "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine')");
        else if (name == "a layout 2 file without records")
            Exec(historyPath(), "CREATE TABLE other (x); PRAGMA user_version = 2");
        else
            Put(historyPath(), bytes);
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
}

TEST_F(HistoryStoreTest, AKeptFileIsNeverReplacedByTheNextOne)
{
    const std::string aside = historyPath() + ".damaged-20260329-021500";
    Put(aside, "kept earlier");
    Put(aside + "-2-wal", "a log kept earlier");
    Put(historyPath(), "not a database");
    HistoryOpenResult opened = open();
    EXPECT_NE(opened.outcome.reason.find("kept as " + aside + "-3;"), std::string::npos) << opened.outcome.reason;
    EXPECT_EQ(Bytes(aside), "kept earlier");
    EXPECT_EQ(Bytes(aside + "-2-wal"), "a log kept earlier");
    EXPECT_EQ(Bytes(aside + "-3"), "not a database");
}

TEST_F(HistoryStoreTest, TheCommandLineReaderCreatesMovesAndUpgradesNothing)
{
    HistoryOpenResult missing = open(Mode::ReadOnly);
    EXPECT_EQ(missing.outcome.status, Status::Missing);
    EXPECT_EQ(missing.outcome.reason, historyPath() + " does not exist: there is no history yet.");
    EXPECT_FALSE(missing.store);
    EXPECT_TRUE(names().empty());

    Put(historyPath(), "");
    EXPECT_EQ(open(Mode::ReadOnly).outcome.status, Status::Missing);
    Put(historyPath(), "not a database");
    const HistoryOpenResult damaged = open(Mode::ReadOnly);
    EXPECT_EQ(damaged.outcome.status, Status::Damaged);
    EXPECT_EQ(damaged.outcome.reason, historyPath() + " is damaged (file is not a database).");
    EXPECT_EQ(names(), std::set<std::string>{"History.sqlite"});
    EXPECT_EQ(Bytes(historyPath()), "not a database");
}

TEST_F(HistoryStoreTest, TheCommandLineReadsWhileTheProgramWrites)
{
    HistoryOpenResult program = open();
    std::vector<HistoryRecord> records = {Record("2026-03-29", 1774745000, 60, Wage10)};
    ASSERT_TRUE(program.store->write(records).ok);
    HistoryOpenResult reader = open(Mode::ReadOnly);
    ASSERT_TRUE(reader.outcome.ok()) << reader.outcome.reason;
    EXPECT_EQ(reader.store->total(Date::first(), Date::last()).value.seconds, 60);
    records[0].seconds = 120;
    ASSERT_TRUE(program.store->write(records).ok);
    EXPECT_EQ(reader.store->total(Date::first(), Date::last()).value.seconds, 120);
    const HistoryWriteResult refused = reader.store->write(records);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.reason, historyPath() + " is open for reading only.");
}

TEST_F(HistoryStoreTest, ALockedNewerOrUnreadableFileIsToldAndLeftAsItIs)
{
    open();
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(historyPath().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    for (Mode mode : {Mode::ReadWrite, Mode::ReadOnly}) {
        const HistoryOpenResult locked = open(mode);
        EXPECT_EQ(locked.outcome.status, Status::Locked);
        EXPECT_EQ(locked.outcome.reason, historyPath() + " is in use by another program (database is locked).");
    }
    sqlite3_exec(holder, "COMMIT; PRAGMA user_version = 3;", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    const std::string before = Bytes(historyPath());
    for (Mode mode : {Mode::ReadWrite, Mode::ReadOnly}) {
        const HistoryOpenResult newer = open(mode);
        EXPECT_EQ(newer.outcome.status, Status::Newer);
        EXPECT_EQ(newer.outcome.reason, historyPath() +
                                            " was written by a newer version of Earnmeter (history layout "
                                            "3); this version reads layouts up to 2 and leaves it as it is.");
    }
    EXPECT_EQ(Bytes(historyPath()), before);
    for (const std::string& name : names())
        EXPECT_EQ(name.find("damaged"), std::string::npos) << name;

    const HistoryOpenResult folder = HistoryStore::open(this->folder, Mode::ReadWrite, clock);
    EXPECT_EQ(folder.outcome.status, Status::Unreadable);
    EXPECT_EQ(folder.outcome.reason, this->folder + " is not a regular file, so it cannot be a history.");
}

TEST_F(HistoryStoreTest, ARecordWithAMangledDateIsToldAsDamagedNotSkipped)
{
    HistoryOpenResult opened = open();
    std::vector<HistoryRecord> records = {Record("2026-03-29", 1774745000, 60, Wage10)};
    ASSERT_TRUE(opened.store->write(records).ok);
    Exec(historyPath(), "UPDATE records SET date = '2026-03-29x'");
    const HistoryRead<std::vector<DayTotal>> days = opened.store->dayTotals(Date::first(), Date::last());
    EXPECT_EQ(days.outcome.status, Status::Damaged);
    EXPECT_EQ(days.outcome.reason, historyPath() + " is damaged (a record's date reads \"2026-03-29x\").");
    EXPECT_TRUE(days.value.empty());
    EXPECT_EQ(opened.store->records(Date::first(), Date::last()).outcome.status, Status::Damaged);
}

} // namespace
