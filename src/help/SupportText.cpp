#include "help/SupportText.h"

#include "engine/Version.h"

#include <array>
#include <charconv>

namespace SupportText {
namespace {
constexpr std::string_view Crlf = "\r\n";
constexpr std::string_view UnknownDate = "(unknown: the program file could not be read)";

bool needsEncoding(unsigned char byte)
{
    constexpr std::string_view reserved = "&#%?+";
    return byte < 0x20 || byte >= 0x7F || reserved.find(static_cast<char>(byte)) != std::string_view::npos;
}
} // namespace

std::string pixelCount(float pixels)
{
    std::array<char, 64> buffer{};
    // Fixed notation without a precision gives the shortest text that reads back
    // as the same number, and never an exponent.
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), pixels, std::chars_format::fixed);
    if (error != std::errc{})
        return "0";
    return std::string(buffer.data(), end);
}

std::string encodeFolder(std::string_view folder)
{
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(folder.size());
    for (const char character : folder) {
        const auto byte = static_cast<unsigned char>(character);
        if (needsEncoding(byte)) {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        } else {
            encoded += character;
        }
    }
    return encoded;
}

std::string EmailSubject()
{
    return "Regarding%20Earnmeter%20" + VersionText();
}

std::string EmailBody(std::string_view folder, ScreenSize screen)
{
    std::string body = "%0D%0A%0D%0A";
    body += "Helpful%20Support%20Info%20";
    body += "===========================";
    body += "%0D%0A";
    body += "Program%20Path%20:%20";
    body += encodeFolder(folder);
    body += "%0D%0A";
    body += "Screen%20Resolution%20:%20";
    body += pixelCount(screen.width) + "x" + pixelCount(screen.height);
    return body;
}

std::string mailTarget(std::string_view address, std::string_view subject, std::string_view body)
{
    std::string target = "mailto:";
    target += address;
    target += "?subject=";
    target += subject;
    target += "&body=";
    target += body;
    return target;
}

std::string ProgramInfo(std::string_view folder, const std::optional<std::string>& modified, ScreenSize screen)
{
    std::string info = "Program Path -";
    info += Crlf;
    info += folder;
    info += Crlf;
    info += Crlf;
    info += "EXE Modified Date -";
    info += Crlf;
    info += modified ? std::string_view(*modified) : UnknownDate;
    info += Crlf;
    info += Crlf;
    info += "Screen Resolution - ";
    info += Crlf;
    info += pixelCount(screen.width) + " x " + pixelCount(screen.height);
    return info;
}
} // namespace SupportText
