#pragma once

#include "engine/Currency.h"
#include "fakes/FakeFileSystem.h"

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

// What the record tests work on: files in memory.
struct StorageTest : ::testing::Test
{
    static Currency Dollars(const std::string& text) { return CurrencyFromText(text).value; }
    static std::string path(std::string_view fileName) { return pathInFolder("/data", fileName); }

    FakeFileSystem files;
};
