#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/raster/TBitmap.h"
#include "skin/data/TsSkinContent.h"
#include "skin/paint/FaceTypes.h"

// Small skins made in the test: a skin file text, a master bitmap of known pixels and picture
// records placed on it by hand.
namespace painttest {

// The master bitmap: 64 x 40.
// - (0,0)-(33,20): a border mask of 3 states 11 wide, picture rows 0-9 in the colour
//   StateColour(state, column within the cell), mask rows 10-19 grey 0x80 (so the formula mixes
//   both halves).
// - (40,0)-(44,4): a 4 x 4 texture whose pixel (x, y) is TextureColour(x, y).
// - (48,0)-(52,8): a 4 x 4 texture with a mask row: picture 0x0000FF, mask black.
inline constexpr std::uint32_t kMaskGrey = 0x808080;
TColor StateColour(int state, int column);
TColor TextureColour(int x, int y);

std::unique_ptr<TsSkinContent> MakeSkin(const std::string& options);
// A record of the master bitmap, margins given.
TsMaskData Record(const std::string& section, const std::string& key, TRect rect, int states,
                  int layout, int fillMode, TsMaskKind kind, int margin);
// Adds the record and resolves the sections' indexes again; answers its index.
int AddRecord(TsSkinContent& skin, const TsMaskData& record);

TsFaceBinding Bind(TsSkinContent& skin, const std::string& section);
std::shared_ptr<TBitmap> Picture(int width, int height, TColor fill);
// The colour of a pixel (0x00BBGGRR).
TColor At(TBitmap& picture, int x, int y);
BackgroundInfo ColourBehind(TColor colour);

}  // namespace painttest
