#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "net/VersionNumber.h"

namespace {

struct ReadCase {
    std::string text;
    float value;
};

TEST(VersionNumber, ReadsTheWholeTextAsOneNumber) {
    const ReadCase cases[] = {
        {"1.2", 1.2f},
        {"1.20", 1.2f},
        {"1.21", 1.21f},
        {"2", 2.0f},
        {"0.9", 0.9f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"+1.5", 1.5f},
        {"-1.5", -1.5f},
        {"  1.3  ", 1.3f},
        {"1e2", 100.0f},
        {"1E+2", 100.0f},
        {"125e-2", 1.25f},
        {"0001.50", 1.5f},
        {"1234.5", 1234.5f},
        {"-0", 0.0f},
        {"0e99999999999999999999", 0.0f},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadVersionNumber(text), value) << '"' << text << '"';
    }
}

TEST(VersionNumber, RefusesEverythingElse) {
    const char* const invalid[] = {
        "",
        " ",
        ".",
        "+",
        "-",
        "+.",
        "1.2.0",
        "1.3\n",
        "1.3\r\n",
        "\t1.3",
        "1.3\t",
        "1,3",
        "1 000",
        "1e",
        "1e+",
        "e5",
        ".e5",
        "inf",
        "-inf",
        "nan",
        "NaN",
        "0x1p3",
        "0x10",
        "1.3a",
        "v1.3",
        "false",
        "<html>",
        "1.3 4",
        "--1",
        "+-1",
        "1e2.5",
        "1. 5",
        "1 .5",
        "\xA0"
        "1",
    };
    for (const char* text : invalid) {
        EXPECT_THROW(ReadVersionNumber(text), EConvertError) << '"' << text << '"';
    }
}

// Bytes after a NUL are part of the text and make it invalid.
TEST(VersionNumber, EmbeddedNulIsInvalid) {
    EXPECT_THROW(ReadVersionNumber(std::string("1.3\0"
                                               "5",
                                               5)),
                 EConvertError);
}

// Values are compared as singles: 1.2000001 and 1.2 are the same single.
TEST(VersionNumber, ComparesInSinglePrecision) {
    EXPECT_EQ(ReadVersionNumber("1.2000001"), ReadVersionNumber("1.2"));
    EXPECT_FALSE(ReadVersionNumber("1.2") < ReadVersionNumber("1.20"));
    EXPECT_LT(ReadVersionNumber("1.2"), ReadVersionNumber("1.21"));
    EXPECT_LT(ReadVersionNumber("1.2"), ReadVersionNumber("1.2001"));
}

// The largest single and the text just beyond the point where rounding reaches infinity.
TEST(VersionNumber, RangeOfTheSingleIsTheLimit) {
    EXPECT_EQ(ReadVersionNumber("3.4028234e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(ReadVersionNumber("3.4028235e38"), std::numeric_limits<float>::max());
    EXPECT_THROW(ReadVersionNumber("3.4028236e38"), EConvertError);
    EXPECT_THROW(ReadVersionNumber("-3.4028236e38"), EConvertError);
    EXPECT_THROW(ReadVersionNumber("1e39"), EConvertError);
    EXPECT_THROW(ReadVersionNumber("1e400"), EConvertError);
    EXPECT_THROW(ReadVersionNumber("1e99999999999999999999"), EConvertError);
    EXPECT_THROW(ReadVersionNumber("0.000000000001e400"), EConvertError);
}

// Too small for a single is zero, not an error, even beyond the double's range.
TEST(VersionNumber, TinyValuesBecomeZero) {
    EXPECT_EQ(ReadVersionNumber("1e-50"), 0.0f);
    EXPECT_EQ(ReadVersionNumber("1e-400"), 0.0f);
    EXPECT_EQ(ReadVersionNumber("-1e-99999999999999999999"), 0.0f);
    EXPECT_EQ(ReadVersionNumber("100000000000e-400"), 0.0f);
    EXPECT_GT(ReadVersionNumber("1e-45"), 0.0f);
}

// The toolkit switches the C library to the user's number format; reading must not follow.
// Only machines with a locale that writes a decimal comma can show it.
TEST(VersionNumber, IgnoresTheProcessLocale) {
    const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8",  "fr_FR.UTF-8",
                                        "fr_FR.utf8",  "nl_NL.UTF-8", "ru_RU.UTF-8"};
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    int tried = 0;
    for (const char* name : commaLocales) {
        if (!std::setlocale(LC_NUMERIC, name) ||
            std::string(std::localeconv()->decimal_point) != ",")
            continue;
        ++tried;
        EXPECT_EQ(ReadVersionNumber("1.3"), 1.3f) << name;
        EXPECT_THROW(ReadVersionNumber("1,3"), EConvertError) << name;
        EXPECT_EQ(ShowVersionNumber(1.3f), "1.30") << name;
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (tried == 0) GTEST_SKIP() << "no locale with a decimal comma is installed";
}

struct ShowCase {
    float value;
    std::string shown;
};

TEST(VersionNumber, ShowsTwoDecimals) {
    const ShowCase cases[] = {
        {1.3f, "1.30"},
        {2.0f, "2.00"},
        {0.9f, ".90"},
        {1234.5f, "1234.50"},
        {1.21f, "1.21"},
        {0.0f, ".00"},
        {0.004f, ".00"},
        {0.006f, ".01"},
        {9.999f, "10.00"},
        {99.995f, "100.00"},
        {1234567.0f, "1234567.00"},
        {-1.5f, "-1.50"},
        {-0.001f, ".00"},
        {1e10f, "10000000000.00"},
    };
    for (const auto& [value, shown] : cases) {
        EXPECT_EQ(ShowVersionNumber(value), shown) << value;
    }
}

// Exact ties of the single's value round away from zero; values near a tie follow their
// exact binary value, not the text they were read from.
TEST(VersionNumber, RoundsTiesAwayFromZero) {
    EXPECT_EQ(ShowVersionNumber(1.125f), "1.13");
    EXPECT_EQ(ShowVersionNumber(0.375f), ".38");
    EXPECT_EQ(ShowVersionNumber(2.625f), "2.63");
    EXPECT_EQ(ShowVersionNumber(-1.125f), "-1.13");
    EXPECT_EQ(ShowVersionNumber(1.005f), "1.00");  // the single lies below 1.005
    EXPECT_EQ(ShowVersionNumber(1.015f), "1.01");  // and below 1.015
    EXPECT_EQ(ShowVersionNumber(1.065f), "1.07");  // this one above 1.065
}

TEST(VersionNumber, ShowsWhatWasRead) {
    EXPECT_EQ(ShowVersionNumber(ReadVersionNumber("1.21")), "1.21");
    EXPECT_EQ(ShowVersionNumber(ReadVersionNumber("9.9")), "9.90");
    EXPECT_EQ(ShowVersionNumber(ReadVersionNumber("3.4028235e38")),
              "340282346638528859811704183484516925440.00");
}

}  // namespace
