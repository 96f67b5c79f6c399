#pragma once

#include "engine/Preferences.h"

#include <span>
#include <string>
#include <string_view>

// One key of Earnmeter.conf: how its value is read into the preferences and
// written from them. Values are compared by their written text, so a file that
// says "Yes" where the program would write "yes" is left as the user wrote it.
struct PreferenceKey
{
    std::string_view name;
    std::string_view group;    // the heading it stands under in a new file and the window
    std::string_view expected; // the values it takes, in words: "yes or no"
    bool (*read)(std::string_view value, Preferences& into);
    std::string (*write)(const Preferences& from);
};

// Every key, in the order a new file lists them.
std::span<const PreferenceKey> preferenceKeys();
