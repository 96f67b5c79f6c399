#pragma once

#include "engine/Currency.h"
#include "engine/MeterRemote.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What travels on the control channel: one request line from the client
// ("start", "status json", "watch"...), then the answer: "ok" for a command,
// the status line for "status", and for "watch" the status line again each
// time the figures change until the program ends. Every line ends with "\n".
// A command that starts the meter is answered "ok started 36.0000", with the
// hourly wage it starts at.
struct ControlRequest
{
    enum class Kind
    {
        Command,
        Status,
        Watch
    };

    Kind kind = Kind::Status;
    RemoteCommand command = RemoteCommand::Show;
    bool json = false;

    friend bool operator==(const ControlRequest&, const ControlRequest&) = default;
};

namespace ControlProtocol {
// A longer request is garbage; the reader stops there.
inline constexpr std::size_t MaxRequestLength = 32;
inline constexpr const char* Ok = "ok";
inline constexpr const char* Unknown = "error unknown request";
// Every place for a client of this kind is taken.
inline constexpr const char* Busy = "busy";
} // namespace ControlProtocol

// The answer to a command; a client of an earlier version reads any "ok" line as done.
std::string commandAnswer(const std::optional<Currency>& startsAt);
struct CommandAnswer
{
    bool done = false;
    std::optional<Currency> startsAt;
};
CommandAnswer parseCommandAnswer(std::string_view line);

// The request's line, without its "\n".
std::string requestLine(const ControlRequest& request);

// A line as received, without its "\n"; empty for anything else.
std::optional<ControlRequest> parseRequest(std::string_view line);
