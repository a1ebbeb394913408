#include "net/InternetDate.h"

#include <array>
#include <chrono>
#include <cmath>

#include "core/Text.h"
#include "net/IdExceptions.h"
#include "net/InternetDateText.h"

namespace {

// TDateTime counts days from 1899-12-30; the Unix epoch is day 25569.
constexpr double kUnixEpochDay = 25569.0;
constexpr double kSecondsPerDay = 86400.0;

constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        return 0;
    }
    const double days = static_cast<double>(DaysFromCivil(year, month, day)) + kUnixEpochDay;
    return days + (hour * 3600 + minute * 60 + second) / kSecondsPerDay;
}

TDateTime LatestDateTime() {
    return EncodeDateTime(9999, 12, 31, 23, 59, 59);
}

int ZoneOffset(std::time_t when) {
    std::tm local{};
    if (!localtime_r(&when, &local)) throw EIdFailedToRetreiveTimeZoneInfo();
    return static_cast<int>(local.tm_gmtoff / 60);
}

int ZoneOffset() {
    return ZoneOffset(std::time(nullptr));
}

TDateTime NowLocal() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const double micro =
        static_cast<double>(duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000);
    const double local = static_cast<double>(seconds) + ZoneOffset(seconds) * 60.0 + micro / 1e6;
    return kUnixEpochDay + local / kSecondsPerDay;
}

TDateTime InternetDateToLocal(const std::string& text) {
    std::string rest = text;
    TDateTime date = ParseInternetDate(rest);
    if (date == 0) return 0;
    if (rest.size() > 4) date -= ParseZoneOffset(Trim(rest.substr(0, 5))) / 1440.0;
    return date + ZoneOffset() / 1440.0;
}

std::string LocalToInternetDate(TDateTime local) {
    const double whole = std::floor(local);
    // A hair over the stored value, so that a whole second held as x.99999 stays whole;
    // the seconds are cut, never rounded up, so an expiry of "now" is never in the future.
    auto seconds = static_cast<std::int64_t>((local - whole) * kSecondsPerDay + 1e-4);
    auto days = static_cast<std::int64_t>(whole) - static_cast<std::int64_t>(kUnixEpochDay);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    int year = 0, month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    const int weekday = static_cast<int>(((days % 7) + 7 + 4) % 7);  // 1970-01-01: Thursday
    const int offset = ZoneOffset();
    const int size = offset < 0 ? -offset : offset;
    return Format("%s, %d %s %d %02d:%02d:%02d %c%02d%02d", kWeekdays[weekday], day,
                  kMonths[month - 1], year, static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60),
                  offset < 0 ? '-' : '+', size / 60, size % 60);
}
