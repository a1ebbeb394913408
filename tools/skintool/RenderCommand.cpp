#include "RenderCommand.h"

#include <fstream>

#include "common/RgbaPng.h"
#include "core/Exception.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

namespace skintool {

namespace {

// Faces larger than this are no control's.
constexpr int kMaxSide = 4096;

void ParseSize(const std::string& size, int& width, int& height) {
    const auto x = size.find('x');
    try {
        if (x == std::string::npos) throw Exception("");
        width = std::stoi(size.substr(0, x));
        height = std::stoi(size.substr(x + 1));
    } catch (const std::exception&) {
        throw Exception("size \"" + size + "\" is not WIDTHxHEIGHT");
    }
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        throw Exception("sides must lie between 1 and 4096");
}

TsFaceBinding Binding(TsSkinContent& content, const std::string& section) {
    TsFaceBinding binding;
    binding.Skin = &content;
    binding.SectionIndex = content.SectionIndex(section);
    if (binding.SectionIndex < 0) throw Exception("the skin has no section " + section);
    return binding;
}

void WritePng(TBitmap& face, const std::string& out) {
    const auto width = static_cast<std::uint32_t>(face.PixelWidth()),
               height = static_cast<std::uint32_t>(face.PixelHeight());
    std::vector<std::uint8_t> rgba;
    rgba.reserve(std::size_t{width} * height * 4);
    for (std::uint32_t y = 0; y < height; ++y)
        for (const std::uint32_t w : skin::ReadPixelWords(face, y, 0, width)) {
            rgba.push_back(static_cast<std::uint8_t>(w >> 16));
            rgba.push_back(static_cast<std::uint8_t>(w >> 8));
            rgba.push_back(static_cast<std::uint8_t>(w));
            rgba.push_back(255);
        }
    const auto bytes = tools::EncodeRgbaPng(width, height, rgba);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw Exception("cannot write \"" + out + "\"");
}

}  // namespace

void RenderFace(TsSkinContent& content, const std::string& section, const std::string& size,
                int state, const std::string& parentSection, const std::string& out) {
    int width = 0, height = 0;
    ParseSize(size, width, height);
    BuildConstIndexCache(content);
    const TsFaceBinding binding = Binding(content, section);
    BackgroundInfo behind;
    behind.BgType = BackgroundInfo::PlainColor;
    if (!parentSection.empty()) {
        TsBackgroundOwner parent;
        parent.Binding = Binding(content, parentSection);
        parent.Face = skinpaint::NewFacePicture(width, height);
        PaintControlFace(parent.Binding, behind, false, *parent.Face, TRect{0, 0, width, height},
                         0);
        parent.FaceValid = true;
        behind = AnswerBackground(parent, nullptr);
    }
    auto face = skinpaint::NewFacePicture(width, height);
    PaintControlFace(binding, behind, true, *face, TRect{0, 0, width, height}, state);
    WritePng(*face, out);
}

}  // namespace skintool
