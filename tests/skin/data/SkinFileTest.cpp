// The skin file: INI parsing, inherited lookups, GLOBALINFO and section properties.
#include <gtest/gtest.h>

#include <clocale>

#include "skin/data/SkinLookup.h"
#include "skin/data/TsGeneralData.h"
#include "skin/data/TsGradArray.h"
#include "skin/data/TsIniFile.h"
#include "skin/data/TsSkinData.h"

namespace {

TEST(SkinFile, KeepsOrderAndComparesNamesWithCase) {
    const TsIniFile ini(
        "; comment\r\n[B]\r\nz = 1\r\na=2\r\n[a]\r\nX=3\r\n[B]\r\nz=9\r\nq=4\r\nno equals "
        "sign\r\n");
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Name, "B");
    ASSERT_EQ(ini.Sections()[0].Keys.size(), 3u);
    EXPECT_EQ(ini.Sections()[0].Keys[0].first, "z");
    EXPECT_EQ(ini.ReadString("B", "z", "-"), "1");
    EXPECT_EQ(ini.ReadString("b", "z", "-"), "-");
    EXPECT_EQ(ini.ReadString("a", "x", "-"), "-");
    EXPECT_EQ(ini.ReadInteger("B", "q", 0), 4);
}

TEST(SkinFile, NumbersAreDecimalWhateverTheLocale) {
    const TsIniFile ini("[G]\nV=7.60\nI=-12\nJ=12abc\nK= 3 \nL=\nM=99999999999\nN=$10\n");
    // Qt switches the C library to the user's number format; a comma locale must change nothing.
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(ini.ReadReal("G", "V", 0), 7.60);
    if (previous != nullptr) std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(ini.ReadInteger("G", "I", 0), -12);
    EXPECT_EQ(ini.ReadInteger("G", "J", 5), 5);
    EXPECT_EQ(ini.ReadInteger("G", "K", 5), 3);
    EXPECT_EQ(ini.ReadInteger("G", "L", 5), 5);
    EXPECT_EQ(ini.ReadInteger("G", "M", 5), 5);
    EXPECT_EQ(ini.ReadInteger("G", "N", 5), 5);
    EXPECT_TRUE(skin::ParseBoolean("true"));
    EXPECT_TRUE(skin::ParseBoolean("1"));
    EXPECT_FALSE(skin::ParseBoolean("yes"));
}

TEST(SkinFile, InheritedLookups) {
    const TsIniFile ini(
        "[BASE]\nCOLOR=100\nSYS=-16777201\nTEXT=base\n"
        "[MID]\nPARENTCLASS=BASE\nCOLOR=-1\n"
        "[LEAF]\nPARENTCLASS=MID\nOWN=-16777201\nTEXT=\n"
        "[SELF]\nPARENTCLASS=SELF\nA=1\n"
        "[LOOP1]\nPARENTCLASS=LOOP2\n[LOOP2]\nPARENTCLASS=LOOP1\n");
    EXPECT_EQ(ReadSkinInteger(ini, "MID", "COLOR", 7), 100);  // -1 counts as absent
    EXPECT_EQ(ReadSkinInteger(ini, "LEAF", "COLOR", 7), 100);
    EXPECT_EQ(ReadSkinInteger(ini, "LEAF", "NONE", 7), 7);
    // A system colour is resolved only when it comes from a parent.
    EXPECT_EQ(ReadSkinInteger(ini, "LEAF", "OWN", 7), -16777201);
    EXPECT_EQ(ReadSkinInteger(ini, "LEAF", "SYS", 7), 0xF0F0F0);
    EXPECT_EQ(ReadSkinString(ini, "LEAF", "TEXT", "-"), "");
    EXPECT_EQ(ReadSkinString(ini, "MID", "TEXT", "-"), "base");
    EXPECT_EQ(ReadSkinInteger(ini, "SELF", "A", 7), 1);
    EXPECT_EQ(ReadSkinInteger(ini, "SELF", "B", 7), 7);
    EXPECT_EQ(ReadSkinInteger(ini, "LOOP1", "X", 7), 7);
    EXPECT_EQ(ReadSkinString(ini, "LOOP1", "X", "end"), "end");
    EXPECT_EQ(ReadSkinInteger(ini, "MISSING", "X", 7), 7);
}

TEST(SkinFile, ParentChainEndsAfterSixteenHops) {
    std::string text = "[S0]\nVALUE=5\n";
    for (int i = 1; i <= 17; ++i)
        text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
    const TsIniFile ini(text);
    EXPECT_EQ(ReadSkinInteger(ini, "S15", "VALUE", 0), 5);
    EXPECT_EQ(ReadSkinInteger(ini, "S16", "VALUE", 0), 5);
    EXPECT_EQ(ReadSkinInteger(ini, "S17", "VALUE", 0), 0);
    EXPECT_EQ(ReadSkinString(ini, "S16", "VALUE", "-"), "5");
    EXPECT_EQ(ReadSkinString(ini, "S17", "VALUE", "-"), "-");
}

TEST(SkinFile, GlobalInfoDefaults) {
    TsSkinData data;
    data.Read(TsIniFile("[GLOBALINFO]\nVERSION=7.60\nTITLEHEIGHT=48\nSHADOW1BLUR=x\n"));
    EXPECT_DOUBLE_EQ(data.Version, 7.60);
    EXPECT_EQ(data.TitleHeight, 48);
    EXPECT_EQ(data.BorderWidth, 4);
    EXPECT_EQ(data.MaxHeight, 0);
    EXPECT_EQ(data.FormOffset, TsSkinData::kSystemFrameWidth);
    EXPECT_EQ(data.Shadow1Blur, -1);
    EXPECT_TRUE(data.MasterBitmap.empty());
}

TEST(SkinFile, GradientLists) {
    struct Case {
        const char* text;
        std::size_t steps;
    };
    for (const Case& c : {Case{" ", 0}, Case{"", 0}, Case{"1;2;3;4", 0}, Case{"1;2;3;4;5;6;7", 1},
                          Case{"1;;2;;;3;4;5", 1}, Case{"1;2;3;4;5;6;7;8;9;10", 2}}) {
        EXPECT_EQ(ParseGradientData(c.text).size(), c.steps) << c.text;
    }
    const TsGradArray steps = ParseGradientData("-5;-6;150;2;9");
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0], (TsGradStep{0, 0, 100, 2, 0}));
}

TEST(SkinFile, SectionProperties) {
    const TsIniFile ini(
        "[BUTTON]\nCOLOR=5\nHOTCOLOR=6\nSTATES=3\nGRADIENTPERCENT=100\nGRADIENTDATA=1;2;50;0;0;2;3;"
        "50;0;0\n"
        "HOTFONTCOLOR=16777215\nFADINGENABLED=TRUE\nFADINGITERATIONS=10\nGLOWMARGIN=8\n"
        "[FLAT]\nPARENTCLASS=BUTTON\nSTATES=1\nHOTCOLOR=99\nGRADIENTDATA= \n"
        "[SHORT]\nGRADIENTPERCENT=60\nGRADIENTDATA=1;2;3\n"
        "[EMPTY]\n");
    TsGeneralData button;
    button.Read(ini, "BUTTON");
    EXPECT_EQ(button.States, 3);
    EXPECT_EQ(button.Props[0].Color, 5);
    EXPECT_EQ(button.Props[1].Color, 6);
    EXPECT_EQ(button.Props[1].FontColor, 16777215);
    EXPECT_EQ(button.Props[0].GradientArray.size(), 2u);
    EXPECT_EQ(button.Props[0].GradientPercent, 100);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.FadingIterations, 10);
    EXPECT_EQ(button.GlowMargin, 8);

    TsGeneralData flat;
    flat.Read(ini, "FLAT");
    EXPECT_EQ(flat.ParentClass, "BUTTON");
    EXPECT_EQ(flat.Props[1].Color, flat.Props[0].Color);  // one state: the hot keys are not read
    // The percent is inherited, but the section's own blank list means no gradient.
    EXPECT_EQ(flat.Props[0].GradientPercent, 0);
    EXPECT_TRUE(flat.Props[0].GradientArray.empty());
    TsGeneralData shortList;
    shortList.Read(ini, "SHORT");
    EXPECT_EQ(shortList.Props[0].GradientPercent, 0);
    TsGeneralData empty;
    empty.Read(ini, "EMPTY");
    EXPECT_EQ(empty.Props[0].Color, 0xFFFFFF);
    EXPECT_EQ(empty.Props[0].TextOutline[0], -1);
    EXPECT_EQ(empty.FadingIterations, 5);
    EXPECT_EQ(empty.States, 4);
    EXPECT_EQ(empty.BorderIndex, -1);
}

}  // namespace
