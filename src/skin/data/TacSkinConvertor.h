#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/TMemoryStream.h"

// One picture of a skin package, decompressed.
struct TacImageItem {
    std::string Name;       // as stored in the package
    bool IsBitmap = false;  // the name's extension is ".BMP", without regard to case
    std::unique_ptr<TMemoryStream> Data;
};
using TacImageItems = std::vector<TacImageItem>;

// A skin package in memory: the skin file and the pictures, in package order.
class TacSkinConvertor {
public:
    TacSkinConvertor() = default;
    ~TacSkinConvertor() { Clear(); }
    TacSkinConvertor(const TacSkinConvertor&) = delete;
    TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

    // Frees the pictures from the last to the first, then the skin file, then the source.
    void Clear();

    // The first picture whose upper-cased name equals the upper-cased name; nullptr if none.
    const TacImageItem* FindImage(const std::string& name) const;

    std::int32_t ImageCount = 0;
    TacImageItems Images;
    std::unique_ptr<TMemoryStream> Options;
    std::unique_ptr<TMemoryStream> Source;
};
