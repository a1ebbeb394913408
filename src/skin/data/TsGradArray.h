#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// One gradient step: colour 1, colour 2, percent of the area, mode, and an unused word.
using TsGradStep = std::array<std::int32_t, 5>;
using TsGradArray = std::vector<TsGradStep>;

// Gradient modes, decided by the first step for the whole gradient.
enum TsGradientMode : std::int32_t { gmVertical = 0, gmHorizontal = 1, gmTriangles = 2 };

// Parses a GRADIENTDATA list: fields separated by ";" (runs count as one), five fields a step,
// trailing fields short of a step ignored. Colours are clamped to >= 0, percents to 0..100;
// a field that is not a number reads as 0.
TsGradArray ParseGradientData(std::string_view text);
