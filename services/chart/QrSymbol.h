#pragma once

#include <qrencode.h>

#include <string_view>
#include <vector>

// The modules of one QR symbol, row by row, true for dark.
class QrSymbol {
public:
    // Encodes data as 8-bit bytes at level, behind an ECI 26 header (UTF-8) when
    // designateUtf8 is true, in a version that holds the header and the data together.
    // Raises EChartError: 400 when no version can hold them, 500 when the encoder fails.
    static QrSymbol Encode(std::string_view data, QRecLevel level, bool designateUtf8);

    int Size() const { return size_; }  // modules per side
    int Version() const { return (size_ - 17) / 4; }
    bool IsDark(int x, int y) const { return modules_[static_cast<std::size_t>(y * size_ + x)]; }

private:
    QrSymbol(int size, std::vector<bool> modules) : size_(size), modules_(std::move(modules)) {}

    int size_;
    std::vector<bool> modules_;
};
