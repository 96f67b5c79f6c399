#pragma once

// Where users reach the author. These sit in the reserved example domain until
// the real addresses are settled; every window and command reads them from here.
namespace Addresses {
inline constexpr const char* WebPage = "https://earnmeter.example.org/";
// The donation page lives directly under the web page.
inline constexpr const char* DonatePage = "https://earnmeter.example.org/donate.html";
inline constexpr const char* SupportEmail = "support@earnmeter.example.org";
} // namespace Addresses
