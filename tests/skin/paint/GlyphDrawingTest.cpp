// Glyphs on faces: a button's image in its disabled, grey and faded kinds, and the arrows of
// the buttons inside fields, taken from the skin's glyph pictures.
#include <gtest/gtest.h>

#include "SyntheticSkin.h"
#include "platform/raster/PixelView.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/FieldButtons.h"

using namespace painttest;

namespace {

// Words are 0xAARRGGBB with the colours premultiplied.
std::shared_ptr<TBitmap> Words(std::uint32_t width, std::uint32_t height,
                               std::vector<std::uint32_t> words) {
    return skin::BitmapFromWords(width, height, pf32bit, words);
}

std::uint32_t WordAt(TBitmap& picture, int x, int y) {
    std::uint32_t word = 0;
    raster::ReadRow(raster::ViewOf(*picture.Handle()), static_cast<std::uint32_t>(y),
                    static_cast<std::uint32_t>(x), 1, &word);
    return word & 0xFFFFFF;
}

// The glyph's two pixels drawn over blue 100, as 0xRRGGBB.
std::vector<std::uint32_t> Drawn(const TsButtonContent& content, int state) {
    auto face = Picture(2, 1, MakeColor(0, 0, 100));
    DrawButtonGlyph(*face, content, state, 0, 0);
    return {WordAt(*face, 0, 0), WordAt(*face, 1, 0)};
}

TEST(ButtonGlyphTest, DisabledGreyAndFadedKindsGiveExactBytes) {
    TsButtonContent content;
    // Red 200, green 100, blue 50 at alpha 200 (premultiplied), and opaque red.
    content.Glyph = Words(2, 1, {0xC8C86432u, 0xFFFF0000u});
    using Pixels = std::vector<std::uint32_t>;
    // Enabled: source over, d = s + (d * (255 - a) + 127) div 255.
    EXPECT_EQ(Drawn(content, 0), (Pixels{0xC86448u, 0xFF0000u}));

    content.Enabled = false;
    // Blended (the default): every byte halved first: (100, 50, 25, 100) and (127, 0, 0, 127).
    EXPECT_EQ(Drawn(content, 0), (Pixels{0x643256u, 0x7F0032u}));
    // Grey only: (77 r + 151 g + 28 b + 128) div 256 = 125 and 77, alpha kept.
    content.DisabledGlyphKind = dgGrayed;
    EXPECT_EQ(Drawn(content, 0), (Pixels{0x7D7D93u, 0x4D4D4Du}));
    // Both: grey, then halved: 62 at alpha 100, 38 at alpha 127.
    content.DisabledGlyphKind = dgGrayed | dgBlended;
    EXPECT_EQ(Drawn(content, 0), (Pixels{0x3E3E7Bu, 0x262658u}));

    // Blend 80 fades the normal state only; Grayed greys it there too.
    content.Enabled = true;
    content.Blend = 80;
    EXPECT_EQ(Drawn(content, 0)[1], 0xCC0014u);
    EXPECT_EQ(Drawn(content, 1)[1], 0xFF0000u);
    content.Grayed = true;
    EXPECT_EQ(Drawn(content, 0)[1], 0x3D3D51u);
    EXPECT_EQ(Drawn(content, 1)[1], 0xFF0000u);

    content.Glyph = nullptr;
    EXPECT_EQ(Drawn(content, 0), (Pixels{0x000064u, 0x000064u}));
}

// Each row of the golden: '.' the field's black, 'G' COMBOBTN's green, 'R' UPDOWNBTN's red,
// 'W' the arrow's white, digits the master-bitmap texture's columns 2 and 3.
std::vector<std::string> Golden(TBitmap& face) {
    std::vector<std::string> rows;
    for (int y = 0; y < face.PixelHeight(); ++y) {
        std::string row;
        for (int x = 0; x < face.PixelWidth(); ++x) {
            const TColor c = At(face, x, y);
            char glyph = '?';
            if (c == 0) glyph = '.';
            if (c == 0x00FF00) glyph = 'G';
            if (c == 0x0000FF) glyph = 'R';
            if (c == 0xFFFFFF) glyph = 'W';
            if (c == TextureColour(2, 0) || c == TextureColour(2, 1)) glyph = '2';
            if (c == TextureColour(3, 0) || c == TextureColour(3, 1)) glyph = '3';
            row += glyph;
        }
        rows.push_back(row);
    }
    return rows;
}

constexpr const char* kFieldSkin =
    "[COMBOBOX]\nCOLOR=0\nSTATES=1\n[EDIT]\nCOLOR=0\nSTATES=1\n"
    "[COMBOBTN]\nCOLOR=65280\nSTATES=1\n[UPDOWNBTN]\nCOLOR=255\nSTATES=1\n";

std::vector<std::string> ComboFace(TsSkinContent& skin) {
    auto face = Picture(9, 4, 0);
    TsFieldButton button{TRect{4, 0, 9, 4}, skin.SectionIndex("COMBOBTN"), ComboArrowIndex(skin)};
    PaintFieldButtons(Bind(skin, "COMBOBOX"), *face, {button});
    return Golden(*face);
}

std::shared_ptr<TBitmap> SpinPicture(TsSkinContent& skin) {
    auto face = Picture(5, 8, 0);
    const int section = skin.SectionIndex("UPDOWNBTN"), arrow = SpinArrowIndex(skin);
    PaintFieldButtons(Bind(skin, "EDIT"), *face,
                      {TsFieldButton{TRect{0, 0, 5, 4}, section, arrow, true},
                       TsFieldButton{TRect{0, 4, 5, 8}, section, arrow, false}});
    return face;
}

std::vector<std::string> SpinFace(TsSkinContent& skin) {
    return Golden(*SpinPicture(skin));
}

TEST(FieldButtonsTest, ArrowsComeFromTheGlyphPicturesAndTheUpArrowIsMirrored) {
    auto skin = MakeSkin(kFieldSkin);
    using Rows = std::vector<std::string>;
    // Without glyph pictures the buttons keep their faces and show no arrow.
    EXPECT_EQ(ComboArrowIndex(*skin), -1);
    EXPECT_EQ(SpinArrowIndex(*skin), -1);
    EXPECT_EQ(ComboFace(*skin), (Rows{"....GGGGG", "....GGGGG", "....GGGGG", "....GGGGG"}));

    // COMBOBTN's arrow, a picture of its own with alpha: a row of three, then the tip.
    TsMaskData arrow;
    arrow.Bmp = Words(3, 2, {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, 0xFFFFFFFFu, 0});
    arrow.SectionName = "COMBOBTN";
    arrow.KeyName = "GLYPHMASK";
    arrow.SourceRect = TRect{0, 0, 3, 2};
    arrow.Kind = mkAlphaImage;
    const int comboArrow = AddRecord(*skin, arrow);
    EXPECT_EQ(ComboArrowIndex(*skin), comboArrow);
    EXPECT_EQ(ComboFace(*skin), (Rows{"....GGGGG", "....GWWWG", "....GGWGG", "....GGGGG"}));
    // The spin buttons borrow it while UPDOWNBTN has none.
    EXPECT_EQ(SpinFace(*skin),
              (Rows{"RRRRR", "RRWRR", "RWWWR", "RRRRR", "RRRRR", "RWWWR", "RRWRR", "RRRRR"}));

    // UPDOWNBTN's own arrow: a piece of the master bitmap, magenta transparent (columns 44
    // and 45 of the master are magenta), wider than the button's middle.
    const int spinArrow = AddRecord(
        *skin, Record("UPDOWNBTN", "GLYPHMASK", TRect{42, 0, 46, 2}, 1, 0, 0, mkGlyph, 0));
    EXPECT_EQ(SpinArrowIndex(*skin), spinArrow);
    EXPECT_EQ(ComboArrowIndex(*skin), comboArrow);
    EXPECT_EQ(SpinFace(*skin),
              (Rows{"RRRRR", "23RRR", "23RRR", "RRRRR", "RRRRR", "23RRR", "23RRR", "RRRRR"}));
    // Mirrored: the up button's top row is the picture's bottom row.
    auto face = SpinPicture(*skin);
    EXPECT_EQ(At(*face, 0, 1), TextureColour(2, 1));
    EXPECT_EQ(At(*face, 1, 2), TextureColour(3, 0));
    EXPECT_EQ(At(*face, 0, 5), TextureColour(2, 0));
    EXPECT_EQ(At(*face, 1, 6), TextureColour(3, 1));
}

}  // namespace
