// The wide loops (AVX-512 byte permutes, AVX2) and the plain loops other processors take must
// draw the same bytes, the fourth byte included. Every valid PngSuite picture is drawn at
// each feature limit, unscaled and stretched, onto a canvas whose fourth bytes are set, and
// the canvases are compared word for word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "DrawingTestSupport.h"
#include "platform/raster/CpuFeatures.h"

using namespace drawtest;
using pngtest::Bytes;

namespace {

// Restores the feature limit the run started with.
class TLimitGuard {
public:
    ~TLimitGuard() { raster::LimitCpuFeatures(saved_); }

private:
    raster::TCpuLevel saved_ = raster::CpuFeatureLimit();
};

std::vector<std::uint32_t> Words(TBitmap& bitmap) {
    const TDibSection& pixels = bitmap.Handle()->Pixels();
    const auto width = static_cast<std::size_t>(bitmap.Width());
    std::vector<std::uint32_t> words(width * static_cast<std::size_t>(bitmap.Height()));
    for (std::uint32_t y = 0; y < static_cast<std::uint32_t>(bitmap.Height()); ++y)
        std::memcpy(&words[y * width], pixels.RowAddress(y), 4 * width);
    return words;
}

// The picture drawn at the given limit into rect on a patterned canvas with fourth bytes set.
std::vector<std::uint32_t> DrawAt(raster::TCpuLevel level, TPNGObject& picture, const TRect& rect) {
    raster::LimitCpuFeatures(level);
    auto canvas = MakeCanvas(rect.right + 3, rect.bottom + 2, kWhite);
    TDibSection& pixels = canvas->Handle()->Pixels();
    for (std::uint32_t y = 0; y < static_cast<std::uint32_t>(canvas->Height()); ++y) {
        std::uint8_t* row = pixels.RowAddress(y);
        for (int x = 0; x < canvas->Width(); ++x) {
            const std::uint32_t word =
                (0x9Eu + y * 31u + static_cast<std::uint32_t>(x) * 7u) * 0x01030507u;
            std::memcpy(row + 4 * x, &word, 4);
        }
    }
    picture.PaintTo(canvas->Canvas(), rect);
    return Words(*canvas);
}

}  // namespace

TEST(WideLoopsDrawing, EveryFeatureLimitDrawsTheSameBytes) {
    const TLimitGuard guard;
    const auto names = pngtest::SuiteFiles(false);
    ASSERT_GT(names.size(), 150u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        TPNGObject picture;
        pngtest::ReadPng(picture, pngtest::ReadFileBytes(pngtest::SuitePath(name)));
        const int w = picture.PixelWidth();
        const int h = picture.PixelHeight();
        for (const TRect rect :
             {TRect{1, 1, 1 + w, 1 + h}, TRect{2, 0, 2 + 2 * w + 5, h + h / 2}}) {
            const auto widest = DrawAt(raster::TCpuLevel::Avx512Vbmi, picture, rect);
            EXPECT_EQ(DrawAt(raster::TCpuLevel::Avx2, picture, rect), widest)
                << "AVX2, width " << rect.right - rect.left;
            EXPECT_EQ(DrawAt(raster::TCpuLevel::Scalar, picture, rect), widest)
                << "plain, width " << rect.right - rect.left;
        }
    }
}
