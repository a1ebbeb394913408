// Picture loading: PNG, BMP and JPEG decoding, the master bitmap's key, corner shapes,
// sharing and the picture bounds, in package and folder skins.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>

#include "SkinTestSupport.h"
#include "skin/data/CornerShape.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinPictureDecoding.h"

namespace {

using skintest::Bytes;

std::unique_ptr<TsSkinContent> LoadPackage(const std::string& options,
                                           std::vector<skin::TPackageEntry> pictures) {
    pictures.insert(pictures.begin(),
                    skin::TPackageEntry{"Options.dat", skintest::ToBytes(options)});
    const Bytes package = skin::WritePackage(pictures);
    return skin::LoadSkinPackage(package);
}

std::uint32_t Pixel(TBitmap& bitmap, std::uint32_t x, std::uint32_t y) {
    return skin::ReadPixelWords(bitmap, y, x, 1)[0];
}

TEST(SkinPictures, PngGammaTableAndPremultiplying) {
    // One pixel per case: mid grey half transparent, white fully transparent, opaque mid grey.
    const Bytes rgba{128, 128, 128, 128, 255, 255, 255, 0, 128, 64, 255, 255};
    skin::TPictureBudget budget;
    auto plain = skin::DecodePngPicture(skintest::MakePng(3, 1, rgba), 7.60, budget);
    EXPECT_EQ(Pixel(*plain, 0, 0), 0x80404040u);  // 128 x 128 / 255 = 64
    EXPECT_EQ(Pixel(*plain, 1, 0), 0x00000000u);
    EXPECT_EQ(Pixel(*plain, 2, 0), 0xFF8040FFu);
    // G = 45000 darkens the middle tones slightly: t[128] = 127; alpha is not mapped.
    auto gamma = skin::DecodePngPicture(skintest::MakePng(3, 1, rgba, 45000), 7.60, budget);
    EXPECT_EQ(Pixel(*gamma, 2, 0) & 0xFFFF0000u, 0xFF7F0000u);
    const double exponent = 1.0 / (45000 / 100000.0 * 2.2);
    const auto t = [&](int i) {
        return static_cast<std::uint32_t>(std::lround(std::pow(i / 255.0, exponent) * 255));
    };
    EXPECT_EQ(Pixel(*gamma, 2, 0), 0xFF000000u | (t(128) << 16) | (t(64) << 8) | t(255));
    // Old skins keep straight colours; only white with alpha 0 becomes transparent black.
    auto old = skin::DecodePngPicture(skintest::MakePng(3, 1, rgba), 7.45, budget);
    EXPECT_EQ(Pixel(*old, 0, 0), 0x80808080u);
    EXPECT_EQ(Pixel(*old, 1, 0), 0x00000000u);
}

TEST(SkinPictures, PictureSidesAtAndAboveTheLimit) {
    skin::TPictureBudget budget;
    const std::uint32_t side = skin::kMaxPictureSide;
    EXPECT_NO_THROW(
        skin::DecodePngPicture(skintest::MakePng(side, 1, Bytes(side * 4, 9)), 7.6, budget));
    EXPECT_THROW(skin::DecodePngPicture(skintest::MakePng(side + 1, 1, Bytes((side + 1) * 4, 9)),
                                        7.6, budget),
                 ESkinError);
    EXPECT_THROW(skin::DecodeBmpPicture(
                     skintest::MakeBmp(side + 1, 1, std::vector<std::uint32_t>(side + 1)), budget),
                 ESkinError);
    EXPECT_THROW(skin::DecodeJpegPicture(skintest::MakeJpeg(side + 1, 8), budget), ESkinError);
    // 256 MiB of pictures: sixteen 4096 x 1024 pictures fit, the seventeenth does not.
    skin::TPictureBudget total;
    for (int i = 0; i < 16; ++i) total.Charge(4096, 1024);
    EXPECT_THROW(total.Charge(1, 1), ESkinError);
}

TEST(SkinPictures, JpegsAboveNineHundredThousandPixelsStayPatterns) {
    skin::TPictureBudget budget;
    const auto below =
        skin::DecodeJpegPicture(skintest::MakeJpeg(2267, 397), budget);  // 899,999 pixels
    EXPECT_TRUE(below.Converted);
    EXPECT_EQ(below.Bitmap->PixelFormat(), pf32bit);
    EXPECT_EQ(Pixel(*below.Bitmap, 5, 5) >> 24, 255u);
    const auto at =
        skin::DecodeJpegPicture(skintest::MakeJpeg(1000, 900), budget);  // 900,000 pixels
    EXPECT_FALSE(at.Converted);
    EXPECT_EQ(at.Bitmap->PixelFormat(), pf24bit);
    const auto progressive = skin::DecodeJpegPicture(skintest::MakeJpeg(64, 64, true), budget);
    EXPECT_TRUE(progressive.Converted);

    const auto content = LoadPackage(
        "[GLOBALINFO]\nVERSION=7.6\n[PANEL]\nSMALL=small.jpg\nBIG=Big.JPEG\nBAD=bad.jpg\n",
        {{"small.jpg", skintest::MakeJpeg(2267, 397)},
         {"big.jpeg", skintest::MakeJpeg(1000, 900)},
         {"bad.jpg", Bytes{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}}});
    const int panel = content->SectionIndex("PANEL");
    EXPECT_GE(content->FindTextureIndex(panel, "PANEL", "SMALL"), 0);
    EXPECT_EQ(content->FindPatternIndex(panel, "PANEL", "SMALL"), -1);
    EXPECT_EQ(content->FindPatternIndex(panel, "PANEL", "BIG"), 0);
    EXPECT_EQ(content->FindTextureIndex(panel, "PANEL", "BAD"), -1);
    EXPECT_FALSE(content->Warnings.empty());
}

TEST(SkinPictures, ProgressiveScansAtAndAboveTheCap) {
    skin::TPictureBudget budget;
    EXPECT_TRUE(
        skin::DecodeJpegPicture(skintest::MakeManyScanJpeg(skin::kMaxJpegScans), budget).Converted);
    try {
        skin::DecodeJpegPicture(skintest::MakeManyScanJpeg(skin::kMaxJpegScans + 1), budget);
        FAIL();
    } catch (const ESkinError& error) {
        EXPECT_EQ(error.Message(), "JPEG: more than 64 scans");
    }
    // A damaged JPEG raises instead of ending the process.
    const Bytes whole = skintest::MakeJpeg(32, 32);
    EXPECT_THROW(skin::DecodeJpegPicture(Bytes(whole.begin(), whole.begin() + 20), budget),
                 ESkinError);
}

TEST(SkinPictures, MasterBitmapKeyAndCornerShapes) {
    // 20 x 10: the left half has magenta in its top-left corner, the right half none.
    std::vector<std::uint32_t> words(200, 0x303030);
    words[0] = 0xFF00FF;
    words[15] = 0xFF00FF;  // in the middle of the second cell, outside every corner
    const auto content = LoadPackage(
        "[GLOBALINFO]\nVERSION=7.6\nMASTERBITMAP=master.bmp\n"
        "[A]\nBORDERSMASK=^0000^0000^0010^0010^0003^0003^0003^0003^1^0^1^0\n"
        "[B]\nBORDERSMASK=^0010^0000^0020^0010^0003^0003^0003^0003^1^0^1^0\n"
        "[BUTTON_HUGE]\nBORDERSMASK=^0010^0000^0020^0010^0003^0003^0003^0003^1^0^1^0\n"
        "[C]\nPARENTCLASS=A\n"
        // No left or right margin: the corner areas are rows of no pixels.
        "[D]\nBORDERSMASK=^0000^0000^0010^0010^0000^0003^0000^0003^1^0^1^0\n",
        {{"Master.BMP", skintest::MakeBmp(20, 10, words)}});
    ASSERT_NE(content->MasterBitmap, nullptr);
    EXPECT_EQ(Pixel(*content->MasterBitmap, 0, 0), skin::kKeyPixel);
    EXPECT_EQ(Pixel(*content->MasterBitmap, 1, 0), 0xFF303030u);
    ASSERT_EQ(content->Masks.size(), 4u);
    EXPECT_EQ(content->Masks[0].CornerShape, 1);
    EXPECT_EQ(content->Masks[1].CornerShape, 0);
    EXPECT_EQ(content->Masks[2].CornerShape, 2);
    EXPECT_EQ(content->Masks[3].CornerShape, 0);
    EXPECT_EQ(content->Masks[0].Bmp, nullptr);
    // C has no mask of its own and finds its parent's.
    EXPECT_EQ(content->FindMaskIndex(content->SectionIndex("C"), "C", "BORDERSMASK"), 0);
    EXPECT_EQ(content->FindMaskIndex(-1, "C", "BORDERSMASK"), -1);
    EXPECT_EQ(content->FindMaskIndex(content->SectionIndex("C"), "C", "NONE"), -1);
}

TEST(SkinPictures, ManyKeysShareOnePictureAndRecordsAreCapped) {
    std::string options = "[GLOBALINFO]\nVERSION=7.6\n[S]\n";
    for (int i = 0; i < 10000; ++i) options += "K" + std::to_string(i) + "=!BIG.PNG!1!0!3\n";
    const auto content = LoadPackage(
        options, {{"big.png", skintest::MakePng(2048, 2048, Bytes(2048 * 2048 * 4, 200))}});
    ASSERT_EQ(content->Masks.size(), skin::kMaxPictureRecords);
    for (const TsMaskData& mask : content->Masks) ASSERT_EQ(mask.Bmp, content->Masks[0].Bmp);
    ASSERT_EQ(content->Warnings.size(), 1u);
    EXPECT_NE(content->Warnings[0].find("4096 picture records"), std::string::npos);
}

TEST(SkinPictures, CornerScansAndSectionsAreBounded) {
    // A 10 x 10 cell with magenta in its top-left corner and 3-pixel margins: 36 pixels to scan.
    std::vector<std::uint32_t> words(100, 0x303030);
    words[0] = 0xFF00FF;
    skin::TPictureBudget budget;
    auto picture = skin::DecodeBmpPicture(skintest::MakeBmp(10, 10, words), budget);
    TsMaskData mask;
    mask.SourceRect = TRect{0, 0, 10, 10};
    mask.MarginLeft = mask.MarginTop = mask.MarginRight = mask.MarginBottom = 3;
    std::uint64_t scan = 35;
    EXPECT_EQ(ComputeCornerShape(mask, *picture, scan), 0);
    EXPECT_EQ(scan, 35u);
    scan = 36;
    EXPECT_EQ(ComputeCornerShape(mask, *picture, scan), 1);
    EXPECT_EQ(scan, 0u);

    std::string options;
    for (std::size_t i = 0; i <= skin::kMaxSkinSections; ++i)
        options += "[S" + std::to_string(i) + "]\n";
    const auto content = LoadPackage(options, {});
    EXPECT_EQ(content->GeneralData.size(), skin::kMaxSkinSections);
    EXPECT_EQ(content->SectionIndex("S4095"), 4095);
    EXPECT_EQ(content->SectionIndex("S4096"), -1);
    ASSERT_EQ(content->Warnings.size(), 1u);
}

TEST(SkinPictures, FolderSkinsReadOnlyRegularFilesInsideTheFolder) {
    const std::string root = skintest::TempFolder("folder");
    const std::string folder = root + "/Skin";
    std::filesystem::create_directories(folder);
    skintest::WriteFile(root + "/outside.png", skintest::MakePng(4, 4, Bytes(64, 255)));
    skintest::WriteFile(folder + "/Glyph.PNG", skintest::MakePng(4, 4, Bytes(64, 255)));
    std::filesystem::create_symlink(root + "/outside.png", folder + "/link.png");
    ASSERT_EQ(::mkfifo((folder + "/fifo.png").c_str(), 0600), 0);
    skintest::WriteFile(
        folder + "/OPTIONS.DAT",
        skintest::ToBytes(
            "[GLOBALINFO]\nVERSION=7.6\n[S]\nA=!glyph.png!1!0!4\nB=!../outside.png!1!0!4\n"
            "C=!link.png!1!0!4\nD=!fifo.png!1!0!4\nE=!c:\\x.png!1!0!4\nF=!..!1!0!4\n"));
    const auto content = skin::LoadSkinFolder(folder);
    ASSERT_EQ(content->Masks.size(), 1u);
    EXPECT_EQ(content->Masks[0].KeyName, "A");
    std::filesystem::remove_all(root);
    EXPECT_THROW(skin::LoadSkinFolder(root + "/gone"), ESkinError);
}

TEST(SkinPictures, VersionMessages) {
    const auto newer = LoadPackage("[GLOBALINFO]\nVERSION=8.00\n", {});
    EXPECT_EQ(newer->VersionMessage("x", false), std::string(TsSkinContent::kNewerSkinMessage));
    const auto supported = LoadPackage("[GLOBALINFO]\nVERSION=7.99\n", {});
    EXPECT_FALSE(supported->VersionMessage("x", true).has_value());
    const auto old = LoadPackage("[GLOBALINFO]\nVERSION=6.5\n", {});
    EXPECT_FALSE(old->VersionMessage("x", false).has_value());
    const auto message = old->VersionMessage("Old", true);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->rfind("You are using an old version of the \"Old\" skin. Please, update", 0),
              0u);
}

}  // namespace
