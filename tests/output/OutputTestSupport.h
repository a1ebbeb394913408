#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class TPicture;

// A test picture: how it was made and the PNG file bytes that libpng (through Qt) wrote for
// it. The pictures carry no gamma chunk, so every reader shows their samples as stored.
struct TestPicture {
    const char* name;
    QImage image;  // what the PNG file holds, as Qt reads it back
    std::string png;
};

// One picture of every kind a chart service answers with: 1-bit and 8-bit palette, grey,
// RGB and RGBA with partial transparency. Each is a 33 x 29 pattern, odd sizes on purpose.
std::vector<TestPicture> TestPictures();
TestPicture TestPictureNamed(const char* name);

// A picture container holding the PNG bytes decoded by our own reader.
std::unique_ptr<TPicture> PictureOf(const std::string& png);

// The whole file's bytes; empty when it cannot be read.
std::string FileBytes(const std::string& path);

// "" when both images have the same size and the same colours (alpha included); otherwise
// what differs, for the failure message.
std::string ImageDifference(const QImage& actual, const QImage& expected);
