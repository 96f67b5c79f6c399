#pragma once

#include "engine/Prompt.h"

#include <cstdint>
#include <string>
#include <string_view>

// The boxes start-up and exit put up, worded as the user has always read them.
namespace Messages {
// "End of Prev.ewg file reached."
Message endOfFile(std::string_view fileName);
// "Your software has been updated to version 2.5. Click OK to continue."
Message updated();
// "File not found for /Config.ewg", caption "Error".
Message configOpenFailed(const std::string& reason);
// "/Config.ewg will be recreated now. Please launch the software again."
Message configRecreated();
// Damaged settings were only partly read; the file is left as it was.
Message configDamaged(const std::string& problem);
Message continueQuestion(std::int32_t elapsedSeconds);
Message saveQuestion();
// A failure the user should know of, such as a file that could not be written.
Message failure(const std::string& text, Message::Icon icon = Message::Icon::Exclamation);
} // namespace Messages
