#pragma once

#include "engine/Currency.h"
#include "engine/Money.h"
#include "engine/PayPeriod.h"
#include "engine/WorkingDay.h"

#include <optional>
#include <string>

// What to do at start-up with a count carried over from an earlier day.
enum class NewDay
{
    Ask,      // the continue question, naming the day it was counted on
    Continue, // go on with it without asking, as a Yes would
    Zero,     // start from zero; the history keeps what was counted
};

// What to do with time the user was away while the meter counted.
enum class AwayAction
{
    Ask,    // "Welcome back": keep it, remove it, or remove it and pause
    Keep,   // keep it, and say so in a notification
    Remove, // take it off the count and the history, and say so
};

// The user's preferences beyond the settings file: kept in Earnmeter.conf and
// edited in the Preferences window. The defaults are what a missing file means.
struct Preferences
{
    bool rememberWage = true;
    NewDay newDay = NewDay::Ask;
    WorkingDay workingDay;
    bool startAtLogin = false;
    std::optional<Currency> dailyGoal; // a positive amount, or none
    bool notifications = true;
    int awayMinutes = 15; // idle this long while counting is time away; 0 never
    AwayAction awayAction = AwayAction::Ask;
    // DollarChoice, LocaleChoice or the code of one of isoCurrencies(), in capitals.
    std::string currency = std::string(DollarChoice);
    WorkingWeek workingWeek; // what the advanced window's pay periods are converted on

    friend bool operator==(const Preferences&, const Preferences&) = default;
};
