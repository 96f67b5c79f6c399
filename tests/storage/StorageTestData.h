#pragma once

#include "engine/Currency.h"

#include <fstream>
#include <sstream>
#include <string>

// A fixture file from tests/data/storage, byte for byte.
inline std::string FixtureFile(const std::string& name)
{
    std::ifstream file(std::string(EARNMETER_STORAGE_DATA) + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

inline Currency Dollars(const std::string& text)
{
    return CurrencyFromText(text).value;
}
