#pragma once

#include "fakes/FakeFileSystem.h"
#include "engine/RunState.h"
#include "fakes/FakePrompt.h"

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <iterator>
#include <string>

// The program runs under the desktop's locale; the records must keep "." numbers
// under a comma-decimal one as under "C". Set before any test runs.
inline const char* const DesktopLocale = std::setlocale(LC_ALL, "");

// A fixture file from tests/data/storage, byte for byte.
inline std::string FixtureFile(const std::string& name)
{
    std::ifstream file(std::string(EARNMETER_STORAGE_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// A record file as found at start-up, and what reading it must come to.
template <typename Outcome> struct RecordRow
{
    std::string name, path, content;
    Outcome outcome;
    std::string rewrittenAs; // the file after reading; empty when it must stay as it was
    std::string heldAs;      // the values in force after reading, as this version writes them
    friend void PrintTo(const RecordRow& row, std::ostream* os) { *os << row.name; }
};

// What the record tests work on: files in memory, message boxes and the run state.
struct StorageTest : ::testing::Test
{
    static Currency Dollars(const std::string& text) { return CurrencyFromText(text).value; }

    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
};
