#include "SkinDump.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/RgbaPng.h"
#include "core/Exception.h"
#include "core/Text.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPictureDecoding.h"

namespace skintool {

namespace {

const char* KindName(TsMaskKind kind) {
    static const char* const kNames[] = {"BorderMask", "Texture", "Glyph", "AlphaFrame",
                                         "AlphaImage"};
    return kind <= mkAlphaImage ? kNames[kind] : "?";
}

void PrintState(const char* name, const TsGenState& s) {
    std::printf(
        "  %s: color %d font %d outline %d,%d,%d,%d gradient %d%% [%zu steps] image %d%% glow "
        "%d/%u "
        "transparency %d\n",
        name, s.Color, s.FontColor, s.TextOutline[0], s.TextOutline[1], s.TextOutline[2],
        s.TextOutline[3], s.GradientPercent, s.GradientArray.size(), s.ImagePercent, s.GlowColor,
        s.GlowSize, s.Transparency);
}

}  // namespace

std::unique_ptr<TsSkinContent> LoadAnySkin(const std::string& skin) {
    if (skin == "--internal") return skin::LoadInternalSkin();
    if (std::filesystem::is_directory(skin)) return skin::LoadSkinFolder(skin);
    if (!std::filesystem::exists(skin)) throw Exception("\"" + skin + "\" does not exist");
    return skin::LoadSkinPackageFile(skin);
}

void PrintSections(const TsSkinContent& content) {
    std::printf("VERSION %.2f, %zu sections\n", content.SkinData.Version,
                content.GeneralData.size());
    for (const TsGeneralData& g : content.GeneralData) {
        std::printf(
            "[%s] parent %s states %d glow %d margin %d fading %s/%d own-font %d show-focus %d\n",
            g.ClassName.c_str(), g.ParentClass.empty() ? "-" : g.ParentClass.c_str(), g.States,
            g.GlowCount, g.GlowMargin, g.FadingEnabled ? "on" : "off", g.FadingIterations,
            g.GiveOwnFont, g.ShowFocus);
        PrintState("normal", g.Props[0]);
        PrintState("hot", g.Props[1]);
    }
}

void PrintMasks(const TsSkinContent& content) {
    for (const TsMaskData& m : content.Masks) {
        const TRect& r = m.SourceRect;
        std::printf(
            "%s/%s %s rect %d,%d,%d,%d states %u layout %u margins %u,%u,%u,%u fill %u corner %u "
            "%s\n",
            m.SectionName.c_str(), m.KeyName.c_str(), KindName(m.Kind), r.left, r.top, r.right,
            r.bottom, m.StateCount, m.MaskLayout, m.MarginLeft, m.MarginTop, m.MarginRight,
            m.MarginBottom, m.FillMode, m.CornerShape, m.Bmp ? "own picture" : "master");
    }
    for (const TsPatternData& p : content.Patterns)
        std::printf("%s/%s Pattern %dx%d\n", p.SectionName.c_str(), p.KeyName.c_str(),
                    p.Img->PixelWidth(), p.Img->PixelHeight());
    for (const std::string& warning : content.Warnings)
        std::printf("# skipped: %s\n", warning.c_str());
}

void WritePicture(TsSkinContent& content, const std::string& section, const std::string& key,
                  const std::string& out) {
    const int index =
        content.FindMaskIndex(content.SectionIndex(section), UpperCase(section), UpperCase(key));
    if (index < 0) throw Exception("no picture " + section + "/" + key);
    const TsMaskData& mask = content.Masks[static_cast<std::size_t>(index)];
    TBitmap& picture = mask.Bmp ? *mask.Bmp : *content.MasterBitmap;
    const auto width = static_cast<std::uint32_t>(mask.Width()),
               height = static_cast<std::uint32_t>(mask.Height());
    std::vector<std::uint8_t> rgba;
    rgba.reserve(std::size_t{width} * height * 4);
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto words =
            skin::ReadPixelWords(picture, static_cast<std::uint32_t>(mask.SourceRect.top) + y,
                                 static_cast<std::uint32_t>(mask.SourceRect.left), width);
        for (const std::uint32_t w : words) {
            // Undo the premultiplication, so that viewers show the picture as drawn.
            const std::uint32_t a = w >> 24;
            const auto channel = [a](std::uint32_t c) {
                return static_cast<std::uint8_t>(a == 0 ? 0
                                                        : std::min(255u, (c * 255 + a / 2) / a));
            };
            const bool straight =
                !mask.Bmp || mask.Bmp->PixelFormat() != pf32bit || content.Version <= 7.45;
            rgba.push_back(straight ? static_cast<std::uint8_t>(w >> 16)
                                    : channel((w >> 16) & 0xFF));
            rgba.push_back(straight ? static_cast<std::uint8_t>(w >> 8) : channel((w >> 8) & 0xFF));
            rgba.push_back(straight ? static_cast<std::uint8_t>(w) : channel(w & 0xFF));
            rgba.push_back(static_cast<std::uint8_t>(a));
        }
    }
    const auto bytes = tools::EncodeRgbaPng(width, height, rgba);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw Exception("cannot write \"" + out + "\"");
}

}  // namespace skintool
