#include "OutputTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/TMemoryStream.h"
#include "platform/raster/TPicture.h"
#include "png/TPNGObject.h"

namespace {

constexpr int kWidth = 33;
constexpr int kHeight = 29;

QImage Pattern(const std::function<QRgb(int x, int y)>& colour) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) image.setPixel(x, y, colour(x, y));
    return image;
}

TestPicture Written(const char* name, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "PNG")) << name;
    return {name, QImage::fromData(bytes), bytes.toStdString()};
}

}  // namespace

std::vector<TestPicture> TestPictures() {
    const QImage modules = Pattern([](int x, int y) {
        return ((x / 3 + y / 3) % 2 || x * y % 7 == 1) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    });
    const QImage colours = Pattern([](int x, int y) { return qRgb(x * 7, y * 8, (x + y) * 4); });
    const QImage greys = Pattern([](int x, int y) {
        const int g = (x * 8 + y) % 256;
        return qRgb(g, g, g);
    });
    const QImage translucent =
        Pattern([](int x, int y) { return qRgba(x * 7, 255 - y * 8, 90, (x * 16 + y) % 256); });
    const QImage mono = modules.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QVector<QRgb> table{qRgb(0, 0, 0), qRgb(200, 30, 40), qRgb(20, 180, 60), qRgb(250, 250, 250),
                        qRgb(17, 34, 221)};
    QImage indexed(kWidth, kHeight, QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            indexed.setPixel(x, y, static_cast<uint>((x + 2 * y) % table.size()));
    return {
        Written("gray1", mono),
        Written("palette8", indexed),
        Written("gray8", greys.convertToFormat(QImage::Format_Grayscale8)),
        Written("rgb", colours.convertToFormat(QImage::Format_RGB32)),
        Written("rgba", translucent),
    };
}

TestPicture TestPictureNamed(const char* name) {
    for (TestPicture& picture : TestPictures())
        if (std::string(picture.name) == name) return picture;
    ADD_FAILURE() << "no test picture " << name;
    return {};
}

std::unique_ptr<TPicture> PictureOf(const std::string& png) {
    TMemoryStream stream;
    stream.WriteBuffer(png.data(), png.size());
    stream.SetPosition(0);
    TPNGObject decoded;
    decoded.ReadFromStream(stream);
    auto picture = std::make_unique<TPicture>();
    picture->Assign(&decoded);
    return picture;
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ImageDifference(const QImage& actual, const QImage& expected) {
    const auto text = [](QSize size) {
        return std::to_string(size.width()) + "x" + std::to_string(size.height());
    };
    if (actual.size() != expected.size())
        return "size " + text(actual.size()) + " instead of " + text(expected.size());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    std::string first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y) && count++ == 0) {
                char buffer[96];
                std::snprintf(buffer, sizeof buffer, "first at (%d, %d): %08X instead of %08X", x,
                              y, a.pixel(x, y), e.pixel(x, y));
                first = buffer;
            }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ, " + first;
}
