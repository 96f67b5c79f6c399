#pragma once

#include "engine/HistoryRecord.h"
#include "fakes/ManualWallClock.h"
#include "storage/HistoryStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// A fresh folder for history files, removed afterwards, with a clock that
// stamps damaged files 2026-03-29 02:15:00 and helpers to look at the files.
struct HistoryTestFolder : ::testing::Test
{
    void SetUp() override { ASSERT_NE(::mkdtemp(folder.data()), nullptr); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name) const { return folder + "/" + name; }
    std::string historyPath() const { return file("History.sqlite"); }

    HistoryOpenResult open(HistoryStore::Mode mode = HistoryStore::Mode::ReadWrite, std::int64_t maxPageCount = 0)
    {
        return HistoryStore::open(historyPath(), mode, clock, {0, maxPageCount});
    }

    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            found.insert(entry.path().filename().string());
        return found;
    }

    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    static void Put(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    // Runs SQL on a file with a connection of the test's own, as another program would.
    static void Exec(const std::string& path, const std::string& sql)
    {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(database, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
        sqlite3_free(error);
        sqlite3_close(database);
    }

    static std::int64_t QueryInteger(const std::string& path, const std::string& sql)
    {
        sqlite3* database = nullptr;
        sqlite3_open_v2(path.c_str(), &database, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(database, sql.c_str(), -1, &statement, nullptr);
        const std::int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
        sqlite3_finalize(statement);
        sqlite3_close(database);
        return value;
    }

    static Date D(const char* text) { return Date::parse(text).value(); }

    // A record as the recorder makes them: priced from its seconds and wage.
    static HistoryRecord Record(const char* date, std::int64_t start, std::int64_t seconds, std::int64_t wageUnits,
                                std::optional<std::int32_t> offset = 3600)
    {
        const Currency wage = Currency::fromUnits(wageUnits);
        return {0, D(date), start, start + seconds, seconds, wage, earnedFor(seconds, wage), offset};
    }

    std::string folder = (std::filesystem::temp_directory_path() / "earnmeter-history-XXXXXX").string();
    ManualWallClock clock{ManualWallClock::at(D("2026-03-29"), 2, 15, 0, 7200)};
};
