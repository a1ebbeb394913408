#pragma once

#include <qrencode.h>

#include <string_view>
#include <vector>

// The modules of one QR symbol, row by row, true for dark.
class QrSymbol {
public:
    // Encodes data as 8-bit bytes in the smallest version that holds it at level. Raises
    // EChartError: 400 when no version can hold the data, 500 when the encoder fails.
    static QrSymbol Encode(std::string_view data, QRecLevel level);

    int Size() const { return size_; }  // modules per side
    bool IsDark(int x, int y) const { return modules_[static_cast<std::size_t>(y * size_ + x)]; }

private:
    QrSymbol(int size, std::vector<bool> modules) : size_(size), modules_(std::move(modules)) {}

    int size_;
    std::vector<bool> modules_;
};
