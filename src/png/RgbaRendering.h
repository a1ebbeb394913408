#pragma once

#include <cstdint>
#include <vector>

class TPNGObject;

// The picture as it is shown, as 8-bit RGBA rows from the top: colours from the colour table
// or the stored blue, green, red bytes; alpha from the alpha plane, from the tRNS values of a
// palette picture, 0 for pixels equal to the tRNS key of a grey or RGB picture, else 255.
// Raises EPNGHeaderNotPresent for a picture without header, EPNGImageTooLarge when the RGBA
// rows would pass the codec's image memory cap.
std::vector<std::uint8_t> RenderRgba(const TPNGObject& picture);
