#pragma once

#include <string>

#include "skin/data/TsSkinContent.h"

namespace skintool {

// Paints the face of one section at width x height in the state (without text) and writes it
// as an opaque PNG; with a parent section, its face of the same size lies behind.
void RenderFace(TsSkinContent& content, const std::string& section, const std::string& size,
                int state, const std::string& parentSection, const std::string& out);

}  // namespace skintool
