// Reading the three date forms HTTP has used: RFC 1123 ('Thu, 01 Jan 1970 00:00:01 GMT'),
// RFC 850 ('Sunday, 06-Nov-94 08:49:37 GMT') and C's asctime ('Sun Nov  6 08:49:37 1994').
#include <array>

#include "core/Text.h"
#include "net/DecimalNumber.h"
#include "net/InternetDate.h"
#include "net/InternetDateText.h"

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
constexpr std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

void DropLeadingBlanks(std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
}

// The text up to the separator, taken out of text with the separator and the blanks after.
std::string Fetch(std::string& text, char separator) {
    const std::size_t at = text.find(separator);
    std::string word = text.substr(0, at);
    text.erase(0, at == std::string::npos ? text.size() : at + 1);
    DropLeadingBlanks(text);
    return word;
}

int MonthNumber(const std::string& word) {
    const std::string upper = UpperCase(word);
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (upper == kMonths[i]) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool StartsWithWeekday(const std::string& text) {
    const std::string start = UpperCase(text.substr(0, 3));
    for (const char* weekday : kWeekdays) {
        if (start == weekday) return true;
    }
    return false;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A number of a date field; fallback when it is not one, -1 (out of every range) when it is
// one too large to hold, so that an overflow never reads as a valid field.
int FieldValue(const std::string& text, int fallback) {
    const auto value = ParseDecimal(text);
    if (!value) return AllDigits(text) ? -1 : fallback;
    return *value < -1 || *value > 1000000 ? -1 : static_cast<int>(*value);
}

TDateTime AddTime(TDateTime date, std::string& rest) {
    std::string time = Fetch(rest, ' ');
    const int hours = FieldValue(Fetch(time, ':'), 0);
    const int minutes = FieldValue(Fetch(time, ':'), 0);
    const int seconds = FieldValue(time, 0);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
        return 0;
    }
    return date + (hours * 3600 + minutes * 60 + seconds) / 86400.0;
}

}  // namespace

TDateTime ParseInternetDate(std::string& text) {
    text = Trim(text);
    if (text.empty()) return 0;
    if (StartsWithWeekday(text)) {
        Fetch(text, ' ');
    }
    const std::size_t dash = text.find('-');
    const std::size_t space = text.find(' ');
    const char separator =
        dash != std::string::npos && dash > 0 && space != std::string::npos && dash < space ? '-'
                                                                                            : ' ';
    int day = 0;
    int month = 0;
    const std::string firstWord = text.substr(0, text.find(separator));
    if (firstWord.size() == 3 && MonthNumber(firstWord) != 0) {
        month = MonthNumber(Fetch(text, separator));
        day = FieldValue(Fetch(text, separator), 1);
    } else {
        day = FieldValue(Fetch(text, separator), 1);
        month = MonthNumber(Fetch(text, separator));
    }
    std::string yearText = Fetch(text, ' ');
    if (!ParseDecimal(yearText) && !AllDigits(yearText)) {
        std::swap(yearText, text);
        yearText = Trim(yearText);
    }
    int year = FieldValue(yearText, -1);
    if (year >= 0 && year < 80)
        year += 2000;
    else if (year >= 80 && year <= 99)
        year += 1900;
    const TDateTime date = EncodeDateTime(year, month, day, 0, 0, 0);
    if (date == 0) return 0;
    if (text.find(':') == std::string::npos) return date;
    return AddTime(date, text);
}

int ParseZoneOffset(const std::string& zone) {
    if (zone.size() != 5 || (zone[0] != '+' && zone[0] != '-')) return 0;
    for (std::size_t i = 1; i < 5; ++i) {
        if (zone[i] < '0' || zone[i] > '9') return 0;
    }
    const int hours = (zone[1] - '0') * 10 + (zone[2] - '0');
    const int minutes = (zone[3] - '0') * 10 + (zone[4] - '0');
    const int offset = hours * 60 + minutes;
    return zone[0] == '-' ? -offset : offset;
}
