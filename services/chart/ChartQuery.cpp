#include "ChartQuery.h"

#include <charconv>
#include <map>

#include "ChartError.h"
#include "ChartLimits.h"

namespace {

using Parameters = std::map<std::string, std::string, std::less<>>;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

EChartError BadRequest(const std::string& message) {
    return EChartError(400, message);
}

Parameters SplitQuery(std::string_view query) {
    Parameters parameters;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view item = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view{} : query.substr(end + 1);
        if (item.empty()) {
            continue;
        }
        const std::size_t equals = item.find('=');
        std::string name = FormDecode(item.substr(0, equals));
        std::string value =
            equals == std::string_view::npos ? std::string{} : FormDecode(item.substr(equals + 1));
        if (!parameters.emplace(name, std::move(value)).second) {
            throw BadRequest("The parameter " + name + " is given more than once.");
        }
    }
    return parameters;
}

const std::string* Find(const Parameters& parameters, std::string_view name) {
    const auto it = parameters.find(name);
    return it == parameters.end() ? nullptr : &it->second;
}

const std::string& Require(const Parameters& parameters, std::string_view name) {
    const std::string* value = Find(parameters, name);
    if (value == nullptr) {
        throw BadRequest("The parameter " + std::string(name) + " is missing.");
    }
    return *value;
}

// A run of one to four decimal digits; anything longer is out of range anyway.
bool ParseNumber(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

void ParseSize(const std::string& text, ChartQuery& query) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos || !ParseNumber(std::string_view(text).substr(0, x), query.width) ||
        !ParseNumber(std::string_view(text).substr(x + 1), query.height)) {
        throw BadRequest("The size chs must be written as WIDTHxHEIGHT.");
    }
    if (query.width < 1 || query.width > ChartLimits::kMaxSide || query.height < 1 ||
        query.height > ChartLimits::kMaxSide) {
        throw BadRequest("Each side in chs must lie between 1 and 1000 pixels.");
    }
    if (static_cast<long>(query.width) * query.height > ChartLimits::kMaxArea) {
        throw BadRequest("The picture in chs must not exceed 300000 pixels.");
    }
}

QRecLevel ParseLevelLetter(std::string_view letter) {
    if (letter == "L") return QR_ECLEVEL_L;
    if (letter == "M") return QR_ECLEVEL_M;
    if (letter == "Q") return QR_ECLEVEL_Q;
    if (letter == "H") return QR_ECLEVEL_H;
    throw BadRequest("The level in chld must be L, M, Q or H.");
}

void ParseLevel(const std::string* text, ChartQuery& query) {
    query.level = QR_ECLEVEL_L;
    query.margin = ChartLimits::kDefaultMargin;
    if (text == nullptr) {
        return;
    }
    const std::size_t bar = text->find('|');
    query.level = ParseLevelLetter(std::string_view(*text).substr(0, bar));
    if (bar != std::string::npos &&
        (!ParseNumber(std::string_view(*text).substr(bar + 1), query.margin) ||
         query.margin > ChartLimits::kMaxMargin)) {
        throw BadRequest("The margin in chld must be a number of modules between 0 and 100.");
    }
}

}  // namespace

std::string FormDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out.push_back(' ');
        } else if (text[i] != '%') {
            out.push_back(text[i]);
        } else {
            const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
            if (high < 0 || low < 0) {
                throw BadRequest(
                    "A parameter holds a \"%\" that is not followed by two hexadecimal digits.");
            }
            out.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        }
    }
    return out;
}

ChartQuery ChartQuery::Parse(std::string_view queryText) {
    const Parameters parameters = SplitQuery(queryText);
    ChartQuery query;
    if (Require(parameters, "cht") != "qr") {
        throw BadRequest("Only the chart type cht=qr is offered.");
    }
    ParseSize(Require(parameters, "chs"), query);
    ParseLevel(Find(parameters, "chld"), query);
    query.data = Require(parameters, "chl");
    if (query.data.empty()) {
        throw BadRequest("The text chl is empty.");
    }
    const std::string* format = Find(parameters, "chof");
    if (format != nullptr && *format != "png") {
        throw BadRequest("Only the output format chof=png is offered.");
    }
    return query;
}
