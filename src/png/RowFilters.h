#pragma once

#include <cstddef>
#include <cstdint>

namespace png {

// Undoes the PNG row filter (standard section 9.2) in place. row and prior point at the first
// data byte (after the filter-type byte) and hold rowBytes bytes; bytesPerPixel is the filter
// distance. Filter types above 4 leave the row as it is.
void UnfilterRow(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* prior,
                 std::size_t rowBytes, std::uint32_t bytesPerPixel);

}  // namespace png
