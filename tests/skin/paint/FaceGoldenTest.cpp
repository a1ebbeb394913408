// Every section of the internal skin painted whole, byte for byte: the faces are hashed over
// all four bytes of every pixel and compared with hashes taken from an earlier painter that
// filled and stretched through the general blits. Faster drawing must not change one byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "SyntheticSkin.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

using namespace painttest;

namespace {

// FNV-1a over the picture's pixel bytes, row by row from the top.
std::uint64_t Hash(std::uint64_t hash, TBitmap& picture) {
    const TDeviceBitmap& bits = *picture.Handle();
    for (std::uint32_t y = 0; y < bits.Height(); ++y) {
        const std::uint8_t* row = bits.Pixels().RowAddress(y);
        for (std::size_t i = 0; i < 4 * std::size_t{bits.Width()}; ++i)
            hash = (hash ^ row[i]) * 0x100000001B3ull;
    }
    return hash;
}

constexpr std::uint64_t kHashStart = 0xCBF29CE484222325ull;

// A parent picture whose every pixel differs from its neighbours, fourth byte included.
BackgroundInfo PictureBehind() {
    std::vector<std::uint32_t> words(400 * 120);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint32_t>(i * 2654435761u);
    BackgroundInfo info;
    info.BgType = BackgroundInfo::Picture;
    info.Bmp = skin::BitmapFromWords(400, 120, pf32bit, words);
    info.OffsetX = 5;
    info.OffsetY = 7;
    return info;
}

std::string Hex(std::uint64_t value) {
    char text[19];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(value));
    return text;
}

class InternalSkinFaces : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    void SetUp() override { BuildConstIndexCache(*skin); }

    // Every section in every state at one size over one background, hashed in turn.
    std::uint64_t AllSections(int width, int height, const BackgroundInfo& behind) {
        std::uint64_t hash = kHashStart;
        for (std::size_t i = 0; i < skin->GeneralData.size(); ++i) {
            TsFaceBinding binding = Bind(*skin, skin->GeneralData[i].ClassName);
            binding.SectionIndex = static_cast<int>(i);
            for (int state = 0; state < 3; ++state) {
                auto face = skinpaint::NewFacePicture(width, height);
                PaintControlFace(binding, behind, true, *face, TRect{0, 0, width, height}, state);
                hash = Hash(hash, *face);
            }
        }
        return hash;
    }
};

TEST_F(InternalSkinFaces, EverySectionPaintsTheSameBytes) {
    struct TCase {
        int width, height;
        bool picture;
        std::uint64_t expected;
    };
    const TCase cases[] = {
        {140, 40, false, 0x6B175375BACD58F9}, {140, 40, true, 0xD9C7B0D20D2FDBC6},
        {9, 9, false, 0xF1149B5FC93F92C4},    {9, 9, true, 0x57B3A9271199EC82},
        {3, 57, false, 0x9D40FA5E2BFD8F7A},   {3, 57, true, 0x00488C4280A9C630},
        {300, 23, false, 0xEE47A1386D9F7B29}, {300, 23, true, 0xD15FF12E19F8D47B},
        {1, 1, false, 0x70ED2F321995E1AE},
    };
    const BackgroundInfo picture = PictureBehind();
    for (const TCase& c : cases) {
        const std::uint64_t hash =
            AllSections(c.width, c.height, c.picture ? picture : ColourBehind(3092271));
        EXPECT_EQ(Hex(hash), Hex(c.expected))
            << c.width << " x " << c.height << (c.picture ? " over a picture" : " over a colour");
    }
}

TEST_F(InternalSkinFaces, ButtonFacesInEveryStateEnabledAndDisabled) {
    const TsFaceBinding binding = Bind(*skin, "BUTTON");
    std::uint64_t hash = kHashStart;
    for (const BackgroundInfo& behind : {ColourBehind(3092271), PictureBehind()})
        for (bool enabled : {true, false})
            for (int state = 0; state < 3; ++state) {
                TsButtonContent content;
                content.Enabled = enabled;
                auto face = PaintButtonFace(binding, behind, 140, 40, state, content, nullptr);
                hash = Hash(hash, *face);
            }
    EXPECT_EQ(Hex(hash), Hex(0xAD0A9445F6094B2B));
}

}  // namespace
