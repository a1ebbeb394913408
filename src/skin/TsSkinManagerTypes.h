#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The published settings of the skin manager, with their defaults.

enum TacAnimType { atFading, atAero };

struct TacBlendOnMoving {
    bool Active = false;
    int BlendValue = 170;
    int Time = 1000;
};
enum TacBtnEvent : std::uint8_t {
    beMouseEnter = 1,
    beMouseLeave = 2,
    beMouseDown = 4,
    beMouseUp = 8
};
struct TacBtnEffects {
    std::uint8_t Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};
struct TacFormShow {
    bool Active = true;
    int Time = 0;
    TacAnimType Mode = atAero;
};
using TacDialogShow = TacFormShow;
using TacFormHide = TacFormShow;
struct TacMinimizing {
    bool Active = true;
    int Time = 200;
};
struct TacPageChange {
    bool Active = true;
    int Time = 0;
};
struct TacSkinChanging {
    bool Active = true;
    int Time = 100;
    TacAnimType Mode = atFading;
};
struct TacAnimEffects {
    TacBlendOnMoving BlendOnMoving;
    TacBtnEffects Buttons;
    TacDialogShow DialogShow;
    TacFormShow FormShow;
    TacFormHide FormHide;
    TacFormHide DialogHide;
    TacMinimizing Minimizing;
    TacPageChange PageChange;
    TacSkinChanging SkinChanging;
};

struct TacSkinEffects {
    bool AllowGlowing = true;
    bool AllowAeroBluring = true;
};

struct TacMenuSupport {
    std::string IcoLineSkin;
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    int AlphaBlend = 255;
    std::string ExtraLineFontName = "MS Sans Serif";
    int ExtraLineFontHeight = -11;
};

enum TacSkinningRule : std::uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };

// Twenty line-separated lists of class names whose standard windows are skinned.
struct ThirdPartyList {
    static constexpr std::size_t kCount = 20;
    static constexpr std::array<const char*, kCount> kNames = {
        "ThirdEdits",      "ThirdButtons",     "ThirdBitBtns",       "ThirdCheckBoxes",
        "ThirdGroupBoxes", "ThirdListViews",   "ThirdPanels",        "ThirdGrids",
        "ThirdTreeViews",  "ThirdComboBoxes",  "ThirdWWEdits",       "ThirdVirtualTrees",
        "ThirdGridEh",     "ThirdPageControl", "ThirdTabControl",    "ThirdToolBar",
        "ThirdStatusBar",  "ThirdSpeedButton", "ThirdScrollControl", "ThirdUpDown"};
    std::array<std::string, kCount> Lists{};
    // The built-in default of one list.
    static std::string Default(std::size_t index) { return index == 1 ? "TButton" : " "; }
};

// One internal skin: a complete skin package kept with the window.
struct TsStoredSkin {
    std::string Name;
    int Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    int BorderColor = 0xFF00FF;
    double Version = 0;
    std::string Author;
    std::string Description;
    std::vector<std::uint8_t> Data;
};

// The program's own skin, built into it, as an internal skin under its own name.
TsStoredSkin BuiltInStoredSkin();
