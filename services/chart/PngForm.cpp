#include "PngForm.h"

#include <array>

namespace {

struct NamedForm {
    const char* name;
    PngForm::Colour colour;
    int bitDepth;
};

constexpr std::array<NamedForm, 18> kForms = {{
    {"gray1", PngForm::Colour::Gray, 1},
    {"gray2", PngForm::Colour::Gray, 2},
    {"gray4", PngForm::Colour::Gray, 4},
    {"gray8", PngForm::Colour::Gray, 8},
    {"gray16", PngForm::Colour::Gray, 16},
    {"graya8", PngForm::Colour::GrayAlpha, 8},
    {"graya16", PngForm::Colour::GrayAlpha, 16},
    {"palette1", PngForm::Colour::Palette, 1},
    {"palette2", PngForm::Colour::Palette, 2},
    {"palette4", PngForm::Colour::Palette, 4},
    {"palette8", PngForm::Colour::Palette, 8},
    {"palette", PngForm::Colour::Palette, 8},
    {"rgb8", PngForm::Colour::Rgb, 8},
    {"rgb", PngForm::Colour::Rgb, 8},
    {"rgb16", PngForm::Colour::Rgb, 16},
    {"rgba8", PngForm::Colour::Rgba, 8},
    {"rgba", PngForm::Colour::Rgba, 8},
    {"rgba16", PngForm::Colour::Rgba, 16},
}};

constexpr std::string_view kInterlacedSuffix = "-interlaced";

}  // namespace

std::optional<PngForm> PngForm::FromName(std::string_view name) {
    PngForm form;
    if (name.ends_with(kInterlacedSuffix)) {
        form.interlaced = true;
        name.remove_suffix(kInterlacedSuffix.size());
    }
    for (const NamedForm& named : kForms) {
        if (name == named.name) {
            form.colour = named.colour;
            form.bitDepth = named.bitDepth;
            return form;
        }
    }
    return std::nullopt;
}
