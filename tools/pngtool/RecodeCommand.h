#pragma once

#include <string>
#include <vector>

namespace pngtool {

// pngtool recode IN.png OUT.png: reads a picture and writes it back through the encoder.
int Recode(const std::vector<std::string>& args);

}  // namespace pngtool
