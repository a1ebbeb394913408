#include "SyntheticSkin.h"

#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FacePictures.h"

namespace painttest {

namespace {

// 0x00BBGGRR colour to the 0xAARRGGBB word of a pixel.
std::uint32_t Word(TColor colour) {
    return 0xFF000000u | (static_cast<std::uint32_t>(ColorRed(colour)) << 16) |
           (static_cast<std::uint32_t>(ColorGreen(colour)) << 8) | ColorBlue(colour);
}

}  // namespace

TColor StateColour(int state, int column) {
    return MakeColor(static_cast<std::uint8_t>(40 + 60 * state),
                     static_cast<std::uint8_t>(20 + 10 * column), 200);
}
TColor TextureColour(int x, int y) {
    return MakeColor(static_cast<std::uint8_t>(10 + 40 * x), static_cast<std::uint8_t>(10 + 40 * y),
                     99);
}

std::unique_ptr<TsSkinContent> MakeSkin(const std::string& options) {
    auto skin = std::make_unique<TsSkinContent>(options);
    skin->LoadSections();
    std::vector<std::uint32_t> words(64 * 40, Word(0xFF00FF));
    const auto put = [&](int x, int y, std::uint32_t word) {
        words[static_cast<std::size_t>(y * 64 + x)] = word;
    };
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 33; ++x)
            put(x, y, y < 10 ? Word(StateColour(x / 11, x % 11)) : Word(kMaskGrey));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            put(40 + x, y, Word(TextureColour(x, y)));
            put(48 + x, y, Word(MakeColor(255, 0, 0)));
            put(48 + x, y + 4, Word(0));
        }
    skin->MasterBitmap = skin::BitmapFromWords(64, 40, pf32bit, words);
    BuildConstIndexCache(*skin);
    return skin;
}

TsMaskData Record(const std::string& section, const std::string& key, TRect rect, int states,
                  int layout, int fillMode, TsMaskKind kind, int margin) {
    TsMaskData record;
    record.SectionName = section;
    record.KeyName = key;
    record.SourceRect = rect;
    record.StateCount = static_cast<std::uint16_t>(states);
    record.MaskLayout = static_cast<std::uint16_t>(layout);
    record.FillMode = static_cast<std::uint16_t>(fillMode);
    record.Kind = kind;
    const auto m = static_cast<std::uint16_t>(margin);
    record.MarginLeft = record.MarginTop = record.MarginRight = record.MarginBottom = m;
    return record;
}

int AddRecord(TsSkinContent& skin, const TsMaskData& record) {
    skin.Masks.push_back(record);
    skin.Reindex();
    BuildConstIndexCache(skin);
    return static_cast<int>(skin.Masks.size()) - 1;
}

TsFaceBinding Bind(TsSkinContent& skin, const std::string& section) {
    TsFaceBinding binding;
    binding.Skin = &skin;
    binding.SectionIndex = skin.SectionIndex(section);
    return binding;
}

std::shared_ptr<TBitmap> Picture(int width, int height, TColor fill) {
    auto picture = skinpaint::NewFacePicture(width, height);
    skinpaint::FillArea(*picture, TRect{0, 0, width, height}, fill);
    return picture;
}

TColor At(TBitmap& picture, int x, int y) {
    return picture.Canvas().Pixel(x, y) & 0xFFFFFF;
}

BackgroundInfo ColourBehind(TColor colour) {
    BackgroundInfo info;
    info.BgType = BackgroundInfo::PlainColor;
    info.Color = colour;
    return info;
}

}  // namespace painttest
