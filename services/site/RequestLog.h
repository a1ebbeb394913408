#pragma once

#include <string>
#include <string_view>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

// The --verbose log of maker-site: one line per request on standard error.
namespace RequestLog {

// The text with control bytes, bytes above 0x7E, '"' and '\' written as escapes (\r, \n, \t,
// \xNN, \", \\), so that a line of the log is always one printable line; cut after maxBytes
// bytes of the text, with "..." added.
std::string Escape(std::string_view text, std::size_t maxBytes);
// The same between double quotes; the "..." of a cut text follows the closing quote.
std::string Quote(std::string_view text, std::size_t maxBytes);

// METHOD TARGET STATUS ua="..." cookie="..." body="...", with "-" for a method or target
// the library could not parse.
std::string Line(const httplib::Request& request, const httplib::Response& response,
                 std::string_view body);

// Handlers that read the body themselves hand it here, for the line of this request: the
// library writes the log on the thread that ran the handler, right after it.
void KeepBody(std::string body);

// Writes the line of a finished request; the logger of the server.
void Write(const httplib::Request& request, const httplib::Response& response);

}  // namespace RequestLog
