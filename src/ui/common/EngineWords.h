#pragma once

#include "engine/PayPeriod.h"
#include "engine/Prompt.h"

#include <QLocale>
#include <QString>

#include <string>

// The few fixed texts the engine words itself (a reset question, a paused
// caption), in the user's language; any other text comes back as it is.
QString engineWords(const std::string& english);

// A message of the engine in the user's language, its values in place: a
// number written as the locale writes it, a pay period by its name.
QString engineWords(const Message& message, const QLocale& locale);

// A pay period's name in the user's language.
QString payPeriodName(PayPeriod period);
