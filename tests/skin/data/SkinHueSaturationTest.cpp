// The manager's hue offset and saturation applied to a loaded skin: colours and pictures
// turn, mask rows and the key colour do not, and 0 changes nothing at all.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/raster/HueSaturation.h"
#include "skin/data/SkinHueSaturation.h"
#include "skin/data/SkinLoading.h"

namespace {

std::vector<std::uint8_t> Bytes(const TBitmap& picture) {
    const TDeviceBitmap& bits = *picture.Handle();
    std::vector<std::uint8_t> out;
    for (std::uint32_t y = 0; y < bits.Height(); ++y) {
        const std::uint8_t* row = bits.Pixels().RowAddress(y);
        out.insert(out.end(), row, row + 4 * std::size_t{bits.Width()});
    }
    return out;
}

std::uint32_t Word(const TBitmap& picture, int x, int y) {
    std::uint32_t word = 0;
    std::memcpy(&word, picture.Handle()->Pixels().RowAddress(static_cast<std::uint32_t>(y)) + 4 * x,
                4);
    return word;
}

// The records of the master bitmap that have a mask row.
std::vector<const TsMaskData*> MaskedRecords(const TsSkinContent& skin) {
    std::vector<const TsMaskData*> records;
    for (const TsMaskData& record : skin.Masks)
        if (!record.Bmp && record.MaskLayout >= 1 && record.Height() >= 2)
            records.push_back(&record);
    return records;
}

TEST(SkinHueSaturation, ZeroLeavesEveryByteAndColourAsLoaded) {
    auto loaded = skin::LoadInternalSkin(), shifted = skin::LoadInternalSkin();
    skin::ApplyHueSaturation(*shifted, 0, 0);
    skin::ApplyHueSaturation(*shifted, 360, 0);
    EXPECT_EQ(Bytes(*shifted->MasterBitmap), Bytes(*loaded->MasterBitmap));
    ASSERT_EQ(shifted->GeneralData.size(), loaded->GeneralData.size());
    for (std::size_t i = 0; i < loaded->GeneralData.size(); ++i)
        for (std::size_t s = 0; s < 2; ++s) {
            const TsGenState &a = loaded->GeneralData[i].Props[s],
                             &b = shifted->GeneralData[i].Props[s];
            EXPECT_EQ(b.Color, a.Color);
            EXPECT_EQ(b.FontColor, a.FontColor);
            EXPECT_EQ(b.GradientArray, a.GradientArray);
        }
}

TEST(SkinHueSaturation, ColoursAndPicturesTurnButMaskRowsAndTheKeyStay) {
    auto loaded = skin::LoadInternalSkin(), shifted = skin::LoadInternalSkin();
    skin::ApplyHueSaturation(*shifted, 120, -40);
    const int button = loaded->SectionIndex("BUTTON");
    ASSERT_GE(button, 0);
    const TsGenState &before = loaded->GeneralData[static_cast<std::size_t>(button)].Props[1],
                     &after = shifted->GeneralData[static_cast<std::size_t>(button)].Props[1];
    EXPECT_EQ(static_cast<TColor>(after.Color),
              ShiftHueSaturation(static_cast<TColor>(before.Color), 120, -40));
    ASSERT_FALSE(before.GradientArray.empty());
    EXPECT_EQ(static_cast<TColor>(after.GradientArray[0][1]),
              ShiftHueSaturation(static_cast<TColor>(before.GradientArray[0][1]), 120, -40));
    EXPECT_EQ(after.GradientArray[0][2], before.GradientArray[0][2]) << "percents stay";

    // Every masked record: some are grey throughout and keep their colours under any hue.
    const auto records = MaskedRecords(*loaded);
    ASSERT_FALSE(records.empty());
    int turned = 0;
    for (const TsMaskData* record : records) {
        const TRect r = record->SourceRect;
        const int half = record->Height() / 2;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const std::uint32_t was = Word(*loaded->MasterBitmap, x, y),
                                    now = Word(*shifted->MasterBitmap, x, y);
                if (y >= r.top + half || (was & 0xFFFFFF) == 0xFF00FF) {
                    ASSERT_EQ(now, was) << "mask row or key colour at " << x << "," << y;
                } else {
                    const TColor colour = MakeColor(static_cast<std::uint8_t>(was >> 16),
                                                    static_cast<std::uint8_t>(was >> 8),
                                                    static_cast<std::uint8_t>(was));
                    const TColor expected = ShiftHueSaturation(colour, 120, -40);
                    ASSERT_EQ(now & 0xFFFFFF, (ColorRed(expected) << 16) |
                                                  (ColorGreen(expected) << 8) |
                                                  ColorBlue(expected));
                    ASSERT_EQ(now >> 24, was >> 24);
                    turned += now != was;
                }
            }
    }
    EXPECT_GT(turned, 0);
}

}  // namespace
