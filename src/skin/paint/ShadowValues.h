#pragma once

#include <cstdint>

#include "platform/raster/RasterTypes.h"
#include "skin/data/TsSkinContent.h"

// The soft text shadow of a TsLabelFX: where its values come from and how far it reaches.

enum TsShadowMode : std::uint8_t { smNone, smCustom, smSkin };
enum TsKindType : std::uint8_t { ktStandard, ktCustom, ktSkin };

// The colour value that means "no shadow".
inline constexpr TColor kNoShadowColor = 0x1FFFFFFF;

// Skin files may hold any number; a blur is one pass over the whole mask per count and the
// distance widens the label, so both are kept to what a text shadow can sensibly use.
inline constexpr int kMaxShadowBlur = 32;
inline constexpr int kMaxShadowDistance = 64;

struct TsShadowValues {
    TColor Color = 0;
    int BlurCount = 4;
    int Distance = 1;
};

// smSkin takes the skin's SHADOW1 values unless there is no skin or its SHADOW1BLUR is -1;
// smCustom (and smNone) the label's own. Blur and distance come back within the limits above.
TsShadowValues ResolveShadow(TsShadowMode mode, const TsShadowValues& own,
                             const TsSkinContent* skin);

// The auto-size extensions: min(0, distance - blur) and max(0, distance + blur).
int ShadowOffsTopLeft(const TsShadowValues& shadow);
int ShadowOffsRightBottom(const TsShadowValues& shadow);
// Whether a shadow is drawn at all: a colour and at least one blur pass.
bool ShadowShows(const TsShadowValues& shadow);

// The text colour of an enabled TsLabelFX. sectionIndex is its SkinSection's, -1 for none.
TColor LabelFXTextColor(TsKindType kind, TColor kindColor, TColor labelColor,
                        const TsSkinContent* skin, int sectionIndex);

// GLOBALINFO's FONTCOLOR: the text colour of labels no section speaks for.
TColor GlobalFontColor(const TsSkinContent& skin);
