#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/raster/BitmapOperations.h"
#include "platform/raster/TCanvas.h"
#include "platform/raster/TDeviceContext.h"

// A context with a bitmap selected, and pixel access through a canvas, for raster tests.
struct TTestSurface {
    std::unique_ptr<TDeviceContext> dc = CreateCompatibleDC(nullptr);
    TBitmapHandle bitmap;
    TCanvas canvas{dc.get()};

    explicit TTestSurface(TBitmapHandle selected) : bitmap(std::move(selected)) {
        dc->SelectObject(bitmap);
    }

    // A 32-bit screen-format surface filled row by row from colours.
    static TTestSurface Color(const std::vector<std::vector<TColor>>& rows) {
        TTestSurface surface(CreateCompatibleBitmap(nullptr, static_cast<int>(rows[0].size()),
                                                    static_cast<int>(rows.size())));
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x)
                surface.canvas.SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
        }
        return surface;
    }

    // A monochrome surface from bits (1 = white).
    static TTestSurface Mono(const std::vector<std::vector<int>>& rows) {
        TTestSurface surface(CreateBitmap(static_cast<int>(rows[0].size()),
                                          static_cast<int>(rows.size()), 1, 1, nullptr));
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x)
                surface.canvas.SetPixel(
                    static_cast<int>(x), static_cast<int>(y),
                    rows[y][x] != 0 ? MakeColor(255, 255, 255) : MakeColor(0, 0, 0));
        }
        return surface;
    }

    // A 32-bit surface from whole pixel words as they lie in memory (0xAARRGGBB: blue in the
    // low byte, the fourth byte in the high one).
    static TTestSurface Words(const std::vector<std::vector<std::uint32_t>>& rows) {
        TTestSurface surface(CreateCompatibleBitmap(nullptr, static_cast<int>(rows[0].size()),
                                                    static_cast<int>(rows.size())));
        for (std::size_t y = 0; y < rows.size(); ++y) {
            std::memcpy(surface.bitmap->Pixels().RowAddress(static_cast<std::uint32_t>(y)),
                        rows[y].data(), 4 * rows[y].size());
        }
        return surface;
    }

    std::vector<std::vector<std::uint32_t>> WordRows() const {
        std::vector<std::vector<std::uint32_t>> rows(bitmap->Height(),
                                                     std::vector<std::uint32_t>(bitmap->Width()));
        for (std::size_t y = 0; y < rows.size(); ++y) {
            std::memcpy(rows[y].data(), bitmap->Pixels().RowAddress(static_cast<std::uint32_t>(y)),
                        4 * rows[y].size());
        }
        return rows;
    }

    std::vector<std::vector<TColor>> Colors() const {
        std::vector<std::vector<TColor>> rows(bitmap->Height(),
                                              std::vector<TColor>(bitmap->Width()));
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x)
                rows[y][x] = canvas.Pixel(static_cast<int>(x), static_cast<int>(y));
        }
        return rows;
    }

    std::vector<std::vector<int>> Bits() const {
        std::vector<std::vector<int>> rows(bitmap->Height(), std::vector<int>(bitmap->Width()));
        for (std::size_t y = 0; y < rows.size(); ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x)
                rows[y][x] = canvas.Pixel(static_cast<int>(x), static_cast<int>(y)) ==
                                     MakeColor(255, 255, 255)
                                 ? 1
                                 : 0;
        }
        return rows;
    }
};

inline constexpr TColor kRed = MakeColor(255, 0, 0);
inline constexpr TColor kGreen = MakeColor(0, 255, 0);
inline constexpr TColor kBlue = MakeColor(0, 0, 255);
inline constexpr TColor kBlack = MakeColor(0, 0, 0);
inline constexpr TColor kWhite = MakeColor(255, 255, 255);
