#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "qr/ChartRequest.h"

namespace {

// The 72 characters that pass unchanged, written out independently of the encoder.
const std::string kKept =
    "!$'()*-.0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

std::string ExpectedEncoding(int byte) {
    if (byte == ' ') return "+";
    if (kKept.find(static_cast<char>(byte)) != std::string::npos)
        return std::string(1, static_cast<char>(byte));
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
    return escaped;
}

class ChartHostEnvironment : public ::testing::Test {
protected:
    void SetUp() override { setenv("VEXMORA_CHART_HOST", "charts.test:8420", 1); }
    void TearDown() override { unsetenv("VEXMORA_CHART_HOST"); }
};

}  // namespace

TEST(FormEncode, EveryByteValue) {
    ASSERT_EQ(kKept.size(), 72u);
    int kept = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string input(1, static_cast<char>(byte));
        const std::string encoded = FormEncode(input);
        EXPECT_EQ(encoded, ExpectedEncoding(byte)) << "byte " << byte;
        kept += encoded == input ? 1 : 0;
    }
    EXPECT_EQ(kept, 72);
}

TEST(FormEncode, AllBytesInOneInputKeepTheirOrder) {
    std::string input;
    std::string expected;
    for (int byte = 255; byte >= 0; --byte) {
        input.push_back(static_cast<char>(byte));
        expected += ExpectedEncoding(byte);
    }
    EXPECT_EQ(FormEncode(input), expected);
}

TEST(FormEncode, WorkedExamples) {
    const struct {
        const char* input;
        const char* encoded;
    } cases[] = {
        {"Hello World", "Hello+World"},
        {"a&b=c", "a%26b%3Dc"},
        {"50% off?", "50%25+off%3F"},
        {"line\r\nbreak", "line%0D%0Abreak"},
        {"\xC3\xA9", "%C3%A9"},
        {"~", "%7E"},
        {"+", "%2B"},
        {"\"#%&+,/:;<=>?[\\]^`{|}~",
         "%22%23%25%26%2B%2C%2F%3A%3B%3C%3D%3E%3F%5B%5C%5D%5E%60%7B%7C%7D%7E"},
        {"", ""},
        {"  ", "++"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormEncode(c.input), c.encoded) << c.input;
    }
}

TEST(FormEncode, KeptTextPassesUnchangedAndNulIsEscaped) {
    EXPECT_EQ(FormEncode(kKept), kKept);
    EXPECT_EQ(FormEncode(std::string("a\0b", 3)), "a%00b");
}

TEST_F(ChartHostEnvironment, AddressForTheWorkedExample) {
    EXPECT_EQ(ChartRequestAddress(200, 200, 1, "Hello World"),
              "http://charts.test:8420/chart?chs=200x200&cht=qr&chld=M&chl=Hello+World&chof=png");
}

TEST_F(ChartHostEnvironment, LevelLetters) {
    EXPECT_NE(ChartRequestAddress(100, 100, 0, "x").find("&chld=L&"), std::string::npos);
    EXPECT_NE(ChartRequestAddress(100, 100, 1, "x").find("&chld=M&"), std::string::npos);
    EXPECT_NE(ChartRequestAddress(100, 100, 2, "x").find("&chld=Q&"), std::string::npos);
    EXPECT_NE(ChartRequestAddress(100, 100, 3, "x").find("&chld=H&"), std::string::npos);
    EXPECT_EQ(ChartRequestAddress(100, 100, -1, "x"), "");
    EXPECT_EQ(ChartRequestAddress(100, 100, 4, "x"), "");
}

TEST_F(ChartHostEnvironment, SizesAreUnsignedDecimalsWithoutPadding) {
    const struct {
        std::uint16_t width, height;
        const char* chs;
    } cases[] = {
        {540, 100, "chs=540x100&"},         {101, 539, "chs=101x539&"}, {0, 7, "chs=0x7&"},
        {65535, 65535, "chs=65535x65535&"}, {1, 10, "chs=1x10&"},
    };
    for (const auto& c : cases) {
        const std::string address = ChartRequestAddress(c.width, c.height, 0, "x");
        EXPECT_EQ(address.rfind("http://charts.test:8420/chart?", 0), 0u) << address;
        EXPECT_NE(address.find(c.chs), std::string::npos) << address;
    }
}

TEST_F(ChartHostEnvironment, LineBreaksAndNonAsciiText) {
    // "Übergröße" and "naïve €" as UTF-8, joined by CR LF.
    const std::string text =
        "\xC3\x9C"
        "bergr\xC3\xB6\xC3\x9F"
        "e\r\nna\xC3\xAFve \xE2\x82\xAC";
    EXPECT_EQ(ChartRequestAddress(333, 111, 3, text),
              "http://charts.test:8420/chart?chs=333x111&cht=qr&chld=H"
              "&chl=%C3%9Cbergr%C3%B6%C3%9Fe%0D%0Ana%C3%AFve+%E2%82%AC&chof=png");
}

TEST(ChartRequestAddress, UsesTheBuiltInHostWithoutOverride) {
    unsetenv("VEXMORA_CHART_HOST");
    EXPECT_EQ(
        ChartRequestAddress(200, 200, 0, "a").rfind("http://" VEXMORA_TEST_CHART_HOST "/chart?", 0),
        0u);
}
