// Internet dates: the three forms servers write, the zone handling, and the local zone's
// offset from POSIX rule strings.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TimeZone.h"
#include "net/InternetDate.h"
#include "net/InternetDateText.h"

namespace {

TDateTime Parse(std::string text) {
    return ParseInternetDate(text);
}

// Seconds between two dates, for comparisons that allow for floating point.
double SecondsApart(TDateTime a, TDateTime b) {
    return std::fabs(a - b) * 86400.0;
}

TEST(InternetDate, TheThreeFormsAndUnreadableOnes) {
    struct Case {
        const char* text;
        TDateTime expected;
        const char* rest;
    };
    const TDateTime nov6 = EncodeDateTime(1994, 11, 6, 8, 49, 37);
    const std::vector<Case> cases = {
        {"Thu, 01-Jan-1970 00:00:01 GMT", EncodeDateTime(1970, 1, 1, 0, 0, 1), "GMT"},
        {"Sunday, 06-Nov-94 08:49:37 GMT", nov6, "GMT"},
        {"Sun Nov  6 08:49:37 1994", nov6, ""},
        {"Sun, 06 Nov 1994 08:49:37 GMT", nov6, "GMT"},
        {"  Sun, 06 Nov 1994 08:49:37 +0100  ", nov6, "+0100"},
        {"06 Nov 1994", EncodeDateTime(1994, 11, 6, 0, 0, 0), ""},
        {"01 Foo 2000", 0, ""},
        {"", 0, ""},
        {"garbage", 0, ""},
        {"Sun, 06 Nov 1994 08:49", EncodeDateTime(1994, 11, 6, 8, 49, 0), ""},
        {"Sun, xx Nov 1994 10:00:00", EncodeDateTime(1994, 11, 1, 10, 0, 0), ""},
        {"Sun, 06 Nov 1994 aa:bb:cc", nov6 - (8 * 3600 + 49 * 60 + 37) / 86400.0, ""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text);
        std::string text = test.text;
        const TDateTime parsed = ParseInternetDate(text);
        if (test.expected == 0) {
            EXPECT_EQ(parsed, 0);
        } else {
            EXPECT_LT(SecondsApart(parsed, test.expected), 0.001);
            EXPECT_EQ(text, test.rest);
        }
    }
}

TEST(InternetDate, TwoDigitYears) {
    EXPECT_EQ(Parse("01-Jan-79 00:00:00"), EncodeDateTime(2079, 1, 1, 0, 0, 0));
    EXPECT_EQ(Parse("01-Jan-80 00:00:00"), EncodeDateTime(1980, 1, 1, 0, 0, 0));
    EXPECT_EQ(Parse("01-Jan-99 00:00:00"), EncodeDateTime(1999, 1, 1, 0, 0, 0));
    EXPECT_EQ(Parse("01-Jan-100 00:00:00"), EncodeDateTime(100, 1, 1, 0, 0, 0));
}

TEST(InternetDate, FieldsJustInsideAndOutsideTheirRanges) {
    struct Case {
        const char* text;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"31 Jan 2000", true},
        {"32 Jan 2000", false},
        {"0 Jan 2000", false},
        {"29 Feb 2000", true},
        {"29 Feb 1900", false},
        {"30 Feb 2000", false},
        {"01 Jan 9999", true},
        {"01 Jan 10000", false},
        {"01 Jan 0001", true},
        {"01 Jan -1", false},
        {"01 Jan 99999999999999999999", false},
        {"99999999999999999999 Jan 2000", false},
        {"01 Jan 2000 23:59:59", true},
        {"01 Jan 2000 24:00:00", false},
        {"01 Jan 2000 00:60:00", false},
        {"01 Jan 2000 00:00:60", false},
        {"01 Jan 2000 99999999999:00:00", false},
        {"01 Jan 2000 -1:00:00", false},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(Parse(test.text) != 0, test.valid) << test.text;
    }
}

TEST(InternetDate, ZoneOffsetsFromRuleStrings) {
    const std::time_t winter = 1610712000;  // 2021-01-15 12:00 UTC
    const std::time_t summer = 1626350400;  // 2021-07-15 12:00 UTC
    {
        ScopedTimeZone zone("UTC0");
        EXPECT_EQ(ZoneOffset(winter), 0);
        EXPECT_EQ(ZoneOffset(summer), 0);
    }
    {
        ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
        EXPECT_EQ(ZoneOffset(winter), 60);
        EXPECT_EQ(ZoneOffset(summer), 120);
    }
    {
        ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
        EXPECT_EQ(ZoneOffset(winter), -300);
        EXPECT_EQ(ZoneOffset(summer), -240);
    }
}

TEST(InternetDate, ToLocalTakesTheZoneIntoAccount) {
    ScopedTimeZone zone("CET-1");
    const TDateTime utc = EncodeDateTime(1994, 11, 6, 8, 49, 37);
    const TDateTime local = utc + 60 / 1440.0;
    EXPECT_LT(SecondsApart(InternetDateToLocal("Sun, 06 Nov 1994 08:49:37 GMT"), local), 0.001);
    EXPECT_LT(SecondsApart(InternetDateToLocal("Sun, 06 Nov 1994 09:49:37 +0100"), local), 0.001);
    EXPECT_LT(SecondsApart(InternetDateToLocal("Sun, 06 Nov 1994 03:49:37 -0500"), local), 0.001);
    EXPECT_LT(SecondsApart(InternetDateToLocal("Sun, 06 Nov 1994 08:49:37 EST"), local), 0.001)
        << "zone names count as UTC";
    EXPECT_EQ(InternetDateToLocal("01 Foo 2000"), 0);
    EXPECT_EQ(ParseZoneOffset("+0130"), 90);
    EXPECT_EQ(ParseZoneOffset("-0000"), 0);
    EXPECT_EQ(ParseZoneOffset("+01:0"), 0);
}

TEST(InternetDate, WritingLocalDates) {
    {
        ScopedTimeZone zone("UTC0");
        EXPECT_EQ(LocalToInternetDate(EncodeDateTime(1994, 11, 6, 8, 49, 37)),
                  "Sun, 6 Nov 1994 08:49:37 +0000");
        EXPECT_EQ(LocalToInternetDate(EncodeDateTime(1970, 1, 1, 0, 0, 1)),
                  "Thu, 1 Jan 1970 00:00:01 +0000");
        EXPECT_EQ(LocalToInternetDate(LatestDateTime()), "Fri, 31 Dec 9999 23:59:59 +0000");
    }
    {
        ScopedTimeZone zone("EST5");
        EXPECT_EQ(LocalToInternetDate(EncodeDateTime(2000, 2, 29, 23, 5, 0)),
                  "Tue, 29 Feb 2000 23:05:00 -0500");
    }
    {
        ScopedTimeZone zone("IST-5:30");
        const TDateTime local = EncodeDateTime(2024, 3, 1, 12, 0, 0);
        const std::string text = LocalToInternetDate(local);
        EXPECT_EQ(text, "Fri, 1 Mar 2024 12:00:00 +0530");
        EXPECT_LT(SecondsApart(InternetDateToLocal(text), local), 0.001) << "round trip";
    }
}

}  // namespace
