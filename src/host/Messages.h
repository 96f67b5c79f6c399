#pragma once

#include "engine/Prompt.h"
#include "storage/PreferencesFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The boxes start-up and exit put up, worded as the user has always read them.
namespace Messages {
// "End of Prev.ewg file reached."
Message endOfFile(std::string_view fileName);
// "Your software has been updated to version 2.5. Click OK to continue."
Message updated();
// "File not found for /Config.ewg", caption "Error".
Message configOpenFailed(const std::string& reason);
// A file that is there but cannot be read: "Permission denied for /Prev.ewg", caption "Error".
Message openFailed(const std::string& problem);
// "/Config.ewg will be recreated now. Please launch the software again."
Message configRecreated();
// Damaged settings were only partly read: which were kept; the file is left as it was.
Message configDamaged(const std::string& problem, const std::vector<std::string>& kept);
// The lines of Earnmeter.conf that could not be used, each with what is used instead.
Message preferencesProblems(const std::vector<PreferenceProblem>& problems);
// Earnmeter.conf is there but cannot be read: the defaults are used.
Message preferencesUnreadable(const std::string& reason);
// With `countedOn` (the locale's long date) when the count is from an earlier day.
Message continueQuestion(std::int32_t elapsedSeconds, const std::string& countedOn = {});
Message saveQuestion();
// The usual folder for the control channel was refused; `ownFolder` is the one
// used instead, or empty with `problem` when none could be had.
Message channelRefused(const std::string& folder, const std::string& refusal, const std::string& ownFolder,
                       const std::string& problem);
// A failure the user should know of, such as a file that could not be written.
Message failure(const std::string& text, Message::Icon icon = Message::Icon::Exclamation);
} // namespace Messages
