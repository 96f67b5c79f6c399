#include "platform/ControlProtocol.h"

#include "engine/MeterStatus.h"

#include <array>
#include <utility>

namespace {

using Kind = ControlRequest::Kind;

// Every request there is, with its line.
const std::array<std::pair<ControlRequest, const char*>, 8> Requests{{
    {{Kind::Command, RemoteCommand::Show, false}, "show"},
    {{Kind::Command, RemoteCommand::Start, false}, "start"},
    {{Kind::Command, RemoteCommand::Pause, false}, "pause"},
    {{Kind::Command, RemoteCommand::Toggle, false}, "toggle"},
    {{Kind::Status, RemoteCommand::Show, false}, "status"},
    {{Kind::Status, RemoteCommand::Show, true}, "status json"},
    {{Kind::Watch, RemoteCommand::Show, false}, "watch"},
    {{Kind::Watch, RemoteCommand::Show, true}, "watch json"},
}};

// Status and watch carry no command; compare only what matters.
ControlRequest normalized(ControlRequest request)
{
    if (request.kind != Kind::Command)
        request.command = RemoteCommand::Show;
    else
        request.json = false;
    return request;
}

} // namespace

namespace {
constexpr std::string_view StartedPrefix = "ok started ";
}

std::string commandAnswer(const std::optional<Currency>& startsAt)
{
    return startsAt ? std::string(StartedPrefix) + fourDecimals(*startsAt) : ControlProtocol::Ok;
}

CommandAnswer parseCommandAnswer(std::string_view line)
{
    if (line == ControlProtocol::Ok)
        return {true, std::nullopt};
    if (line.substr(0, StartedPrefix.size()) != StartedPrefix)
        return {};
    const CurrencyResult wage = CurrencyFromText(line.substr(StartedPrefix.size()));
    return {true, wage.ok() ? std::optional(wage.value) : std::nullopt};
}

std::string requestLine(const ControlRequest& request)
{
    for (const auto& [known, line] : Requests)
        if (known == normalized(request))
            return line;
    return {};
}

std::optional<ControlRequest> parseRequest(std::string_view line)
{
    for (const auto& [known, text] : Requests)
        if (line == text)
            return known;
    return std::nullopt;
}
