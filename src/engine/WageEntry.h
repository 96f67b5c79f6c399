#pragma once

#include "engine/Currency.h"
#include "engine/PayPeriod.h"
#include "engine/Prompt.h"

#include <optional>
#include <string_view>

// Reading what the user typed into a wage box.

// The lenient reading a box applies when it is left: "12.5/hr" is 12.5, "abc" 0,
// rounded on the typed digits to ten-thousandths, halves to even. Empty when
// the number does not fit the money range.
std::optional<Currency> readWageLeniently(std::string_view text);

// Start reads the box strictly; a text that is not a plain number is read
// leniently instead, as leaving the box would have read it.
std::optional<Currency> readWageForStart(std::string_view text);

// The notice for a wage too large to count with, naming the largest amount the
// period it is paid for allows on the working week in use.
Message wageRefusedMessage(std::string_view text, PayPeriod period, WorkingWeek week = {});
