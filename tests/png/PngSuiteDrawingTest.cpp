// Every valid PngSuite picture drawn onto white and onto black, against the same picture
// decoded by libpng and composited by the codec's rules: opaque pictures as they are shown,
// colour-key pictures with every pixel of the key colour left out, alpha pictures blended
// with (c x a + (255 - a) x d + 255) div 256.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "DrawingTestSupport.h"

using namespace drawtest;
using pngtest::Bytes;

namespace {

// What the reference needs from the file itself, read without the codec.
struct TFileFacts {
    std::uint8_t bitDepth = 0;
    std::uint8_t colorType = 0;
    Bytes palette;
    std::optional<Bytes> transparency;
};

std::uint32_t BigEndian32(const Bytes& bytes, std::size_t at) {
    return (static_cast<std::uint32_t>(bytes[at]) << 24) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

TFileFacts ScanChunks(const Bytes& file) {
    TFileFacts facts;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = BigEndian32(file, at);
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               file.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const auto payload = file.begin() + static_cast<std::ptrdiff_t>(at + 8);
        if (type == "IHDR") {
            facts.bitDepth = payload[8];
            facts.colorType = payload[9];
        } else if (type == "PLTE") {
            facts.palette.assign(payload, payload + length);
        } else if (type == "tRNS" && !facts.transparency) {
            facts.transparency = Bytes(payload, payload + length);
        }
        at += 12 + std::size_t{length};
    }
    return facts;
}

enum class TKind { None, Key, Alpha };

TKind KindOf(const TFileFacts& facts) {
    switch (facts.colorType) {
        case 0:
        case 2:
            return facts.transparency ? TKind::Key : TKind::None;
        case 3: {
            if (!facts.transparency) return TKind::None;
            const auto translucent =
                std::count_if(facts.transparency->begin(), facts.transparency->end(),
                              [](std::uint8_t a) { return a != 255; });
            return translucent == 1 ? TKind::Key : TKind::Alpha;
        }
        default:
            return TKind::Alpha;
    }
}

TColor KeyColor(const TFileFacts& facts, const std::array<std::uint8_t, 256>& gamma) {
    const Bytes& t = *facts.transparency;
    if (facts.colorType == 0) {
        const std::uint32_t key = (static_cast<std::uint32_t>(t[0]) << 8) | t[1];
        const std::uint32_t max = (1u << facts.bitDepth) - 1;
        const auto v =
            static_cast<std::uint8_t>(facts.bitDepth == 16 ? t[0] : (key & max) * 255 / max);
        return MakeColor(gamma[v], gamma[v], gamma[v]);
    }
    if (facts.colorType == 2) {
        const std::size_t low = facts.bitDepth == 16 ? 0 : 1;
        return MakeColor(gamma[t[low]], gamma[t[low + 2]], gamma[t[low + 4]]);
    }
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == 0 && 3 * i + 2 < facts.palette.size())
            return MakeColor(gamma[facts.palette[3 * i]], gamma[facts.palette[3 * i + 1]],
                             gamma[facts.palette[3 * i + 2]]);
    }
    return kBlack;
}

std::uint8_t BlendByte(std::uint8_t c, std::uint8_t d, unsigned a) {
    return static_cast<std::uint8_t>((c * a + (255 - a) * d + 255) / 256);
}

std::vector<std::vector<TColor>> Reference(const Bytes& file, TColor background) {
    const TFileFacts facts = ScanChunks(file);
    const pngtest::ReferenceImage image = pngtest::DecodeWithLibpng(file);
    std::array<std::uint8_t, 256> gamma{};
    for (std::size_t i = 0; i < 256; ++i) gamma[i] = static_cast<std::uint8_t>(i);
    if (image.hasGamma && image.gammaValue != 0)
        gamma = pngtest::ReferenceDecodeGamma(image.gammaValue);
    // Grey + alpha pictures blend their raw samples.
    const auto& shownGamma = facts.colorType == 4 ? std::array<std::uint8_t, 256>{} : gamma;
    const TKind kind = KindOf(facts);
    const TColor key = kind == TKind::Key ? KeyColor(facts, gamma) : 0;
    std::vector<std::vector<TColor>> rows(image.height, std::vector<TColor>(image.width));
    for (std::uint32_t y = 0; y < image.height; ++y) {
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const std::uint8_t* p = &image.rgba[(std::size_t{y} * image.width + x) * 4];
            std::array<std::uint8_t, 3> c{p[0], p[1], p[2]};
            if (facts.colorType != 4) {
                for (auto& v : c) v = shownGamma[v];
            }
            const TColor shown = MakeColor(c[0], c[1], c[2]);
            TColor& out = rows[y][x];
            switch (kind) {
                case TKind::None:
                    out = shown;
                    break;
                case TKind::Key:
                    out = shown == key ? background : shown;
                    break;
                case TKind::Alpha:
                    out = MakeColor(BlendByte(c[0], ColorRed(background), p[3]),
                                    BlendByte(c[1], ColorGreen(background), p[3]),
                                    BlendByte(c[2], ColorBlue(background), p[3]));
                    break;
            }
        }
    }
    return rows;
}

}  // namespace

TEST(PngSuiteDrawing, EveryValidFileMatchesLibpngCompositeOnWhiteAndBlack) {
    const auto names = pngtest::SuiteFiles(false);
    ASSERT_GT(names.size(), 150u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Bytes file = pngtest::ReadFileBytes(pngtest::SuitePath(name));
        TPNGObject picture;
        pngtest::ReadPng(picture, file);
        for (TColor background : {kWhite, kBlack}) {
            auto canvas = MakeCanvas(picture.PixelWidth(), picture.PixelHeight(), background);
            picture.PaintTo(canvas->Canvas(),
                            TRect{0, 0, picture.PixelWidth(), picture.PixelHeight()});
            const auto expected = Reference(file, background);
            const auto drawn = Pixels(*canvas);
            std::size_t wrong = 0;
            for (std::size_t y = 0; y < expected.size(); ++y) {
                for (std::size_t x = 0; x < expected[y].size(); ++x)
                    wrong += drawn[y][x] != expected[y][x] ? 1 : 0;
            }
            EXPECT_EQ(wrong, 0u) << "background " << std::hex << background;
        }
    }
}
