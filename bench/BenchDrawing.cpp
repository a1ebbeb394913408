// PaintTo of 540 x 540 pictures onto a 32-bit canvas beside QPainter::drawImage of the same
// pixels onto a 32-bit QImage: an RGBA picture (alpha drawing), a palette picture with one
// transparent entry (colour-key drawing) and, for reference, the same palette picture without
// transparency (the plain stretch the chart service's pictures take); the same two for a
// two-colour 1-bit picture, and an RGB picture without transparency. Prints the time ratios.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "CpuTimeReporter.h"
#include "core/TMemoryStream.h"
#include "platform/raster/TBitmap.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

namespace {

constexpr int kSize = 540;

using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(Bytes& out, const char* type, const Bytes& payload) {
    PutU32(out, static_cast<std::uint32_t>(payload.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), payload.begin(), payload.end());
    PutU32(out, static_cast<std::uint32_t>(
                    crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

Bytes MakePng(std::uint8_t colorType, const Bytes& plte, const Bytes& trns, const Bytes& rows,
              std::uint8_t bitDepth = 8) {
    Bytes out{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    PutU32(ihdr, kSize);
    PutU32(ihdr, kSize);
    ihdr.insert(ihdr.end(), {bitDepth, colorType, 0, 0, 0});
    Chunk(out, "IHDR", ihdr);
    if (!plte.empty()) Chunk(out, "PLTE", plte);
    if (!trns.empty()) Chunk(out, "tRNS", trns);
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    Bytes packed(size);
    compress2(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()), 6);
    packed.resize(size);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", {});
    return out;
}

// Colours and alpha that vary over the picture, with fully clear and fully opaque areas.
Bytes RgbaRows() {
    Bytes rows;
    for (int y = 0; y < kSize; ++y) {
        rows.push_back(0);
        for (int x = 0; x < kSize; ++x) {
            const int a = (x + y) % 384;
            rows.insert(rows.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                     static_cast<std::uint8_t>(x ^ y),
                                     static_cast<std::uint8_t>(a > 255 ? 255 : a)});
        }
    }
    return rows;
}

// A QR-like picture: 256 colours, index 0 (the key) on a quarter of the pixels.
Bytes IndexRows() {
    Bytes rows;
    for (int y = 0; y < kSize; ++y) {
        rows.push_back(0);
        for (int x = 0; x < kSize; ++x)
            rows.push_back(static_cast<std::uint8_t>(((x / 12) * 7 + (y / 12) * 13) % 256));
    }
    return rows;
}

// A two-colour QR-like picture of 1-bit indexes: modules of 12 pixels, dark on a third.
Bytes BitRows() {
    Bytes rows;
    for (int y = 0; y < kSize; ++y) {
        rows.push_back(0);
        std::uint8_t byte = 0;
        for (int x = 0; x < kSize; ++x) {
            const bool dark = ((x / 12) * 7 + (y / 12) * 13) % 3 == 0;
            byte = static_cast<std::uint8_t>(byte << 1 | (dark ? 0 : 1));
            if (x % 8 == 7) rows.push_back(byte), byte = 0;
        }
        if (kSize % 8 != 0) rows.push_back(static_cast<std::uint8_t>(byte << (8 - kSize % 8)));
    }
    return rows;
}

// Colours that vary over the picture, for the RGB picture without transparency.
Bytes RgbRows() {
    Bytes rows;
    for (int y = 0; y < kSize; ++y) {
        rows.push_back(0);
        for (int x = 0; x < kSize; ++x)
            rows.insert(rows.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                     static_cast<std::uint8_t>(x ^ y)});
    }
    return rows;
}

struct TFixture {
    TPNGObject rgba;
    TPNGObject keyed;
    TPNGObject opaque;
    TPNGObject monoKeyed;
    TPNGObject monoOpaque;
    TPNGObject rgb;
    QImage rgbaImage;
    QImage keyedImage;
    QImage opaqueImage;
    QImage monoKeyedImage;
    QImage monoOpaqueImage;
    QImage rgbImage;

    TFixture() {
        Read(rgba, MakePng(6, {}, {}, RgbaRows()));
        Bytes plte;
        for (int i = 0; i < 256; ++i)
            plte.insert(plte.end(),
                        {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 128});
        Read(keyed, MakePng(3, plte, {0}, IndexRows()));
        Read(opaque, MakePng(3, plte, {}, IndexRows()));
        const Bytes twoColours{0, 0, 0, 255, 255, 255};
        Read(monoKeyed, MakePng(3, twoColours, {255, 0}, BitRows(), 1));
        Read(monoOpaque, MakePng(3, twoColours, {}, BitRows(), 1));
        Read(rgb, MakePng(2, {}, {}, RgbRows()));
        rgbaImage = ToImage(rgba);
        keyedImage = ToImage(keyed);
        opaqueImage = ToImage(opaque).convertToFormat(QImage::Format_RGB32);
        monoKeyedImage = ToImage(monoKeyed);
        monoOpaqueImage = ToImage(monoOpaque).convertToFormat(QImage::Format_RGB32);
        rgbImage = ToImage(rgb).convertToFormat(QImage::Format_RGB32);
    }

    static void Read(TPNGObject& picture, const Bytes& bytes) {
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), bytes.size());
        stream.SetPosition(0);
        picture.ReadFromStream(stream);
    }

    // The same pixels for Qt, in its fast drawing format (premultiplied ARGB).
    static QImage ToImage(const TPNGObject& picture) {
        QImage image(kSize, kSize, QImage::Format_ARGB32);
        const bool keyed = picture.TransparencyKind() == tkColorKey;
        const TColor key = picture.TransparentKeyColor();
        const auto& header = picture.Header();
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const TColor c = picture.PixelAt(x, y);
                int a = 255;
                if (keyed)
                    a = c == key ? 0 : 255;
                else if (!header.AlphaPlane().empty())
                    a = header.AlphaPlane()[static_cast<std::size_t>(y) * kSize + x];
                image.setPixel(x, y, qRgba(ColorRed(c), ColorGreen(c), ColorBlue(c), a));
            }
        }
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

void PaintToCanvas(benchmark::State& state, const TPNGObject& picture) {
    TBitmap canvas;
    canvas.SetSize(kSize, kSize);
    for (auto _ : state) {
        picture.PaintTo(canvas.Canvas(), TRect{0, 0, kSize, kSize});
        benchmark::DoNotOptimize(canvas.Handle()->Bits());
    }
}

void QtDrawImage(benchmark::State& state, const QImage& image) {
    QImage canvas(kSize, kSize, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, image);
        painter.end();
        benchmark::DoNotOptimize(canvas.bits());
    }
}

void BM_PaintToRgba(benchmark::State& state) {
    PaintToCanvas(state, Fixture().rgba);
}
void BM_QtDrawRgba(benchmark::State& state) {
    QtDrawImage(state, Fixture().rgbaImage);
}
void BM_PaintToColorKey(benchmark::State& state) {
    PaintToCanvas(state, Fixture().keyed);
}
void BM_QtDrawColorKey(benchmark::State& state) {
    QtDrawImage(state, Fixture().keyedImage);
}
void BM_PaintToOpaque(benchmark::State& state) {
    PaintToCanvas(state, Fixture().opaque);
}
void BM_QtDrawOpaque(benchmark::State& state) {
    QtDrawImage(state, Fixture().opaqueImage);
}

void BM_PaintToMonoKey(benchmark::State& state) {
    PaintToCanvas(state, Fixture().monoKeyed);
}
void BM_QtDrawMonoKey(benchmark::State& state) {
    QtDrawImage(state, Fixture().monoKeyedImage);
}
void BM_PaintToMonoOpaque(benchmark::State& state) {
    PaintToCanvas(state, Fixture().monoOpaque);
}
void BM_QtDrawMonoOpaque(benchmark::State& state) {
    QtDrawImage(state, Fixture().monoOpaqueImage);
}
void BM_PaintToRgb(benchmark::State& state) {
    PaintToCanvas(state, Fixture().rgb);
}
void BM_QtDrawRgb(benchmark::State& state) {
    QtDrawImage(state, Fixture().rgbImage);
}

BENCHMARK(BM_PaintToRgba)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDrawRgba)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintToColorKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDrawColorKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintToOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDrawOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintToMonoKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDrawMonoKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintToMonoOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDrawMonoOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintToRgb)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtDrawRgb)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TCpuTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* ours, const char* qt) {
        const auto a = reporter.times.find(ours);
        const auto b = reporter.times.find(qt);
        if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) return;
        std::printf("%-20s %.2fx Qt's drawImage (target: within 1.5x)\n", ours,
                    a->second / b->second);
    };
    ratio("BM_PaintToRgba", "BM_QtDrawRgba");
    ratio("BM_PaintToColorKey", "BM_QtDrawColorKey");
    ratio("BM_PaintToOpaque", "BM_QtDrawOpaque");
    ratio("BM_PaintToMonoKey", "BM_QtDrawMonoKey");
    ratio("BM_PaintToMonoOpaque", "BM_QtDrawMonoOpaque");
    ratio("BM_PaintToRgb", "BM_QtDrawRgb");
    benchmark::Shutdown();
    return 0;
}
