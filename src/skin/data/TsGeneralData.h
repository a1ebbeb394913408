#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/TsGradArray.h"
#include "skin/data/TsIniFile.h"

// The look of one state of a section.
struct TsGenState {
    std::int32_t Color = 0xFFFFFF;
    std::int32_t FontColor = 0;
    // One-pixel text outline on each side: left, top, right, bottom; -1 = none.
    std::array<std::int32_t, 4> TextOutline{-1, -1, -1, -1};
    std::int32_t GradientPercent = 0;
    std::string GradientData;
    TsGradArray GradientArray;
    std::int32_t ImagePercent = 0;
    std::int32_t GlowColor = 0xFFFFFF;
    std::uint8_t GlowSize = 0;
    std::int32_t Transparency = 0;
};

// State 0 is the normal state; state 1 serves every other (hot, pressed, focused).
using TsProps = std::array<TsGenState, 2>;

// The properties of one section, read with inheritance.
struct TsGeneralData {
    std::string ParentClass;
    std::string ClassName;
    std::int32_t States = 4;
    TsProps Props;
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = false;
    std::int32_t GlowCount = 0;
    std::int32_t GlowMargin = 0;
    // Resolved by the manager once the picture list is complete.
    std::int32_t BorderIndex = -1;
    std::int32_t ImgTL = -1;
    std::int32_t ImgTR = -1;
    std::int32_t ImgBL = -1;
    std::int32_t ImgBR = -1;
    std::int32_t TextureIndex = -1;
    bool FadingEnabled = false;
    std::int32_t FadingIterations = 5;

    // Fills the record from the section of that name.
    void Read(const TsIniFile& ini, const std::string& section);
};
using TsGeneralDataArray = std::vector<TsGeneralData>;
