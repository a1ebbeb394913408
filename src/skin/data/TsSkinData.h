#pragma once

#include <cstdint>
#include <string>

#include "skin/data/TsIniFile.h"

inline constexpr std::string_view kGlobalInfoSection = "GLOBALINFO";

// The skin-wide settings of GLOBALINFO, each with its default.
struct TsSkinData {
    // Width of a window frame on the desktop we stand in for: the default FORMOFFSET.
    static constexpr std::int32_t kSystemFrameWidth = 4;

    double Version = 0;
    std::string Author;
    std::string Description;
    std::string MasterBitmap;
    std::int32_t BorderWidth = 4;
    std::int32_t TitleHeight = 30;
    std::int32_t MaxHeight = 0;
    std::int32_t FormOffset = kSystemFrameWidth;
    std::int32_t AlignOffset = 0;
    std::int32_t CenterOffset = 0;
    std::int32_t BorderMode = 0;
    std::int32_t Shadow1Color = 0;
    std::int32_t Shadow1Offset = 0;
    std::int32_t Shadow1Blur = -1;
    std::int32_t Shadow1Transparency = 0;
    std::int32_t BISpace = 0;
    std::int32_t BIVAlign = 0;
    std::int32_t BIRight = 0;
    std::int32_t BILeft = 0;
    std::int32_t BITop = 0;
    std::int32_t BorderColor = 0;
    std::int32_t BIKeepHue = 0;
    std::int32_t BIconCloseGlow = 0;
    std::int32_t BIconMaxGlow = 0;
    std::int32_t BIconMinGlow = 0;
    std::int32_t BIconCloseGlowMargin = 0;
    std::int32_t BIconMaxGlowMargin = 0;
    std::int32_t BIconMinGlowMargin = 0;
    std::int32_t AeroBlur = 0;
    std::int32_t ExtShadow = 0;

    // Reads every key of GLOBALINFO, without inheritance; missing keys keep their defaults.
    void Read(const TsIniFile& ini);
};
