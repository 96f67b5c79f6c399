#pragma once

#include <QString>

#include <string>

// The few fixed texts the engine words itself (a reset question, a paused
// caption), in the user's language; any other text comes back as it is.
QString engineWords(const std::string& english);
