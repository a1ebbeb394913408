#include "skin/data/TsGeneralData.h"

#include "skin/data/SkinLookup.h"

namespace {

// The key names of one state: the normal state's plain names or the hot state's.
struct TStateKeys {
    const char* Color;
    const char* FontColor;
    std::array<const char*, 4> Outline;
    const char* GradientPercent;
    const char* GradientData;
    const char* ImagePercent;
    const char* GlowColor;
    const char* GlowSize;
    const char* Transparency;
};

constexpr TStateKeys kNormalKeys{"COLOR",
                                 "FONTCOLOR",
                                 {"TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"},
                                 "GRADIENTPERCENT",
                                 "GRADIENTDATA",
                                 "IMAGEPERCENT",
                                 "GCOL",
                                 "GSIZE",
                                 "TRANSPARENCY"};
constexpr TStateKeys kHotKeys{"HOTCOLOR",
                              "HOTFONTCOLOR",
                              {"HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"},
                              "HOTGRADIENTPERCENT",
                              "HOTGRADIENTDATA",
                              "HOTIMAGEPERCENT",
                              "HGCOL",
                              "HGSIZE",
                              "HOTTRANSPARENCY"};

TsGenState ReadState(const TsIniFile& ini, const std::string& section, const TStateKeys& keys,
                     bool normal) {
    TsGenState state;
    const auto integer = [&](const char* key, std::int32_t fallback) {
        return ReadSkinInteger(ini, section, key, fallback);
    };
    state.Color = integer(keys.Color, 0xFFFFFF);
    if (normal) state.Color = ResolveSystemColor(state.Color);
    state.FontColor = integer(keys.FontColor, 0);
    for (std::size_t side = 0; side < 4; ++side)
        state.TextOutline[side] = integer(keys.Outline[side], -1);
    state.GradientPercent = integer(keys.GradientPercent, 0);
    state.GradientData = ReadSkinString(ini, section, keys.GradientData, normal ? " " : "");
    state.GradientArray = ParseGradientData(state.GradientData);
    // A list too short to hold one whole step paints the plain colour, not a gradient of
    // nothing.
    if (state.GradientData.size() <= 1 || state.GradientArray.empty()) state.GradientPercent = 0;
    state.ImagePercent = integer(keys.ImagePercent, 0);
    state.GlowColor = ResolveSystemColor(integer(keys.GlowColor, 0xFFFFFF));
    state.GlowSize = static_cast<std::uint8_t>(integer(keys.GlowSize, 0));
    state.Transparency = integer(keys.Transparency, 0);
    return state;
}

}  // namespace

void TsGeneralData::Read(const TsIniFile& ini, const std::string& section) {
    *this = TsGeneralData{};
    ParentClass = ini.ReadString(section, kParentClassKey, "");
    ClassName = section;
    const auto boolean = [&](const char* key) {
        return skin::ParseBoolean(ReadSkinString(ini, section, key, ""));
    };
    GiveOwnFont = boolean("GIVEOWNFONT");
    ReservedBoolean = boolean("RESERVEDBOOLEAN");
    ShowFocus = boolean("SHOWFOCUS");
    GlowCount = ReadSkinInteger(ini, section, "GLOW", 0);
    GlowMargin = ReadSkinInteger(ini, section, "GLOWMARGIN", 0);
    Props[0] = ReadState(ini, section, kNormalKeys, true);
    States = ReadSkinInteger(ini, section, "STATES", 4);
    Props[1] = States > 1 ? ReadState(ini, section, kHotKeys, false) : Props[0];
    FadingEnabled = boolean("FADINGENABLED");
    FadingIterations = ReadSkinInteger(ini, section, "FADINGITERATIONS", 5);
}
