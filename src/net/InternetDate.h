#pragma once

#include <ctime>
#include <string>

// A point in time as days since 1899-12-30 00:00, the fraction being the time of day. 0 is
// the value for "no date".
using TDateTime = double;

// The date and time of an Internet date text ('Thu, 01-Jan-1970 00:00:01 GMT',
// 'Sunday, 06-Nov-94 08:49:37 GMT', 'Sun Nov  6 08:49:37 1994'), leaving in text what follows
// the time. 0 when the text holds no valid date; years below 80 are 20xx, 80 to 99 19xx.
TDateTime ParseInternetDate(std::string& text);

// The local time of an Internet date text, its zone ('+0100', '-0500'; names count as UTC)
// taken into account. 0 when the text holds no valid date.
TDateTime InternetDateToLocal(const std::string& text);

// The local zone's offset from UTC in minutes at the given moment, negative west of UTC,
// daylight time included. Raises EIdFailedToRetreiveTimeZoneInfo when the platform cannot
// tell.
int ZoneOffset(std::time_t when);
// The offset now.
int ZoneOffset();

// "Sun, 6 Nov 1994 08:49:37 +0100": a local time with the zone offset it has.
std::string LocalToInternetDate(TDateTime local);

// The local time now.
TDateTime NowLocal();

// Days and fraction from a calendar date and time; 0 when any part is out of range.
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second);

// The latest date a TDateTime here may hold (9999-12-31 23:59:59).
TDateTime LatestDateTime();
