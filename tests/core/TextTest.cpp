#include <gtest/gtest.h>

#include <string>

#include "core/Text.h"

namespace {

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEndsOnly) {
    EXPECT_EQ(Trim("  hello  "), "hello");
    EXPECT_EQ(Trim("\r\n\t\x01 a b \x1f\x20"), "a b");
    EXPECT_EQ(Trim("line1\r\nline2"), "line1\r\nline2") << "inner line breaks stay";
    EXPECT_EQ(Trim(" \t\r\n "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
}

TEST(Trim, KeepsBytesAbove32IncludingNonAscii) {
    // UTF-8 bytes are all above 127 and must not count as blanks.
    EXPECT_EQ(Trim(" \xC3\xA9t\xC3\xA9 "), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Trim("\x7f!"), "\x7f!") << "DEL has code 127 and stays";
    EXPECT_EQ(Trim("\xA0"), "\xA0");
}

TEST(Format, FormatsLikePrintfWithoutLengthLimit) {
    EXPECT_EQ(Format("Cannot create file \"%s\". %s", "a.png", "Permission denied"),
              "Cannot create file \"a.png\". Permission denied");
    EXPECT_EQ(Format("%dx%d", 540, 100), "540x100");
    const std::string longText(5000, 'x');
    EXPECT_EQ(Format("[%s]", longText.c_str()).size(), 5002u);
    EXPECT_EQ(Format("%s", ""), "");
}

TEST(CaseHelpers, MapOnlyAscii) {
    EXPECT_EQ(UpperCase("Software\\Orvanti \xC3\xA9"), "SOFTWARE\\ORVANTI \xC3\xA9");
    EXPECT_EQ(LowerCase("IDAT"), "idat");
    EXPECT_TRUE(SameText("Version", "VERSION"));
    EXPECT_FALSE(SameText("Version", "Versio"));
}

TEST(SystemErrorText, GivesTheSystemsWording) {
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(SystemErrorText(EACCES), "Permission denied");
}

}  // namespace
