#include "skin/data/PictureReference.h"

#include <algorithm>
#include <vector>

#include "core/Text.h"
#include "skin/data/TsIniFile.h"

namespace {

// Skins older than this had their stretch bit recomputed from the cell geometry.
constexpr double kStretchBitVersion = 7.4;

// A fixed-column field: count characters from the 1-based position.
std::optional<std::int32_t> Column(std::string_view value, std::size_t position,
                                   std::size_t count) {
    if (position == 0 || value.size() < position - 1 + count) return std::nullopt;
    return skin::ParseInteger(value.substr(position - 1, count));
}

std::optional<TPictureReference> ParseFixed(std::string_view value) {
    TPictureReference r;
    r.Format = value[0];
    const auto left = Column(value, 2, 4), top = Column(value, 7, 4), right = Column(value, 12, 4),
               bottom = Column(value, 17, 4);
    if (!left || !top || !right || !bottom) return std::nullopt;
    r.Rect = TRect{*left, *top, *right, *bottom};
    if (r.Format == '^') {
        const auto states = Column(value, 42, 1), layout = Column(value, 44, 1),
                   fill = Column(value, 46, 1), uniform = Column(value, 48, 1);
        if (!states || !layout || !fill || !uniform) return std::nullopt;
        for (std::size_t i = 0; i < 4; ++i) {
            const auto margin = Column(value, 22 + 5 * i, 4);
            if (!margin) return std::nullopt;
            r.Margins[i] = *margin;
        }
        r.Kind = mkBorderMask;
        r.StateCount = *states;
        r.MaskLayout = *layout;
        r.FillMode = *fill;
        r.UniformMargin = std::max(*uniform, 0);
        r.HasMargins = true;
    } else if (r.Format == '@') {
        const auto states = Column(value, 22, 1), layout = Column(value, 24, 1);
        if (!states || !layout) return std::nullopt;
        r.Kind = mkGlyph;
        r.StateCount = *states;
        r.MaskLayout = *layout;
    } else {
        const auto fill = Column(value, 22, 2);
        if (!fill) return std::nullopt;
        r.Kind = mkTexture;
        r.FillMode = *fill;
        r.MaskLayout = value.size() > 24 ? Column(value, 25, 1).value_or(0) : 0;
    }
    return r;
}

std::vector<std::string> Words(std::string_view value, char separator) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t end = std::min(value.find(separator, start), value.size());
        words.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::optional<TPictureReference> ParseExternal(std::string_view value) {
    std::vector<std::string> words = Words(value.substr(1), '!');
    if (words.size() < 4) return std::nullopt;
    TPictureReference r;
    r.Format = '!';
    r.FileName = words[0];
    const std::string upper = UpperCase(r.FileName);
    if (upper.find(".BMP") == std::string::npos && upper.find(".PNG") == std::string::npos)
        return std::nullopt;
    r.StateCount = skin::ParseInteger(words[1]).value_or(0);
    r.MaskLayout = skin::ParseInteger(words[2]).value_or(0);
    r.Kind = static_cast<TsMaskKind>(std::clamp(skin::ParseInteger(words[3]).value_or(0), 0, 4));
    if (words.size() > 4) {
        r.HasMargins = true;
        for (std::size_t i = 0; i < 4; ++i)
            r.Margins[i] = i + 4 < words.size() ? skin::ParseInteger(words[i + 4]).value_or(0) : 0;
    }
    r.FillMode = words.size() > 8 ? skin::ParseInteger(words[8]).value_or(0) : 1;
    return r;
}

std::optional<TPictureReference> ParseBracketed(std::string_view value) {
    const std::size_t open = value.find('('), close = value.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::nullopt;
    std::vector<std::int32_t> fields;
    for (std::string_view inner = value.substr(open + 1, close - open - 1); !inner.empty();) {
        const std::size_t end = inner.find_first_of(" ,");
        const std::string_view field = inner.substr(0, end);
        inner.remove_prefix(end == std::string_view::npos ? inner.size() : end + 1);
        if (field.empty()) continue;
        const auto number = skin::ParseInteger(field);
        if (!number) return std::nullopt;
        fields.push_back(*number);
    }
    if (fields.size() < 4 || fields.size() > 7) return std::nullopt;
    TPictureReference r;
    r.Format = '#';
    r.Rect = TRect{fields[0], fields[1], fields[2], fields[3]};
    r.StateCount = fields.size() > 4 ? fields[4] : 1;
    r.MaskLayout = fields.size() > 5 ? fields[5] : 0;
    r.FillMode = fields.size() > 6 ? fields[6] : 0;
    return r;
}

void DefaultMargins(const TPictureReference& reference, TsMaskData& mask) {
    std::int32_t m[4] = {reference.Margins[0], reference.Margins[1], reference.Margins[2],
                         reference.Margins[3]};
    const bool allZero = m[0] == 0 && m[1] == 0 && m[2] == 0 && m[3] == 0;
    const bool thirds = (reference.Format == '^' && allZero && reference.UniformMargin == 0) ||
                        (reference.Format == '!' && !reference.HasMargins) ||
                        reference.Format == '#';
    if (reference.Format == '^' && allZero && reference.UniformMargin != 0) {
        std::fill(m, m + 4, reference.UniformMargin);
    } else if (thirds) {
        m[0] = m[2] = mask.Width() / (mask.StateCount * 3);
        m[1] = m[3] = mask.Height() / ((mask.MaskLayout + 1) * 3);
    }
    const auto narrow = [](std::int32_t v) {
        return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
    };
    mask.MarginLeft = narrow(m[0]);
    mask.MarginTop = narrow(m[1]);
    mask.MarginRight = narrow(m[2]);
    mask.MarginBottom = narrow(m[3]);
}

}  // namespace

std::optional<TPictureReference> ParsePictureReference(std::string_view value) {
    if (value.empty()) return std::nullopt;
    switch (value[0]) {
        case '^':
        case '@':
        case '~':
            return ParseFixed(value);
        case '!':
            return ParseExternal(value);
        default:
            break;
    }
    if (value.find('#') != std::string_view::npos && value != "#") return ParseBracketed(value);
    return std::nullopt;
}

std::optional<TsMaskData> MakeMaskRecord(const TPictureReference& reference,
                                         std::int32_t pictureWidth, std::int32_t pictureHeight,
                                         double version) {
    TsMaskData mask;
    mask.Kind = reference.Kind;
    mask.SourceRect =
        reference.Format == '!' ? TRect{0, 0, pictureWidth, pictureHeight} : reference.Rect;
    const TRect& r = mask.SourceRect;
    if (r.left < 0 || r.top < 0 || r.right > pictureWidth || r.bottom > pictureHeight ||
        r.right <= r.left || r.bottom <= r.top)
        return std::nullopt;
    if (reference.StateCount <= 0 || reference.StateCount > 0xFFFF || reference.MaskLayout < 0 ||
        reference.MaskLayout > 0xFFFF)
        return std::nullopt;
    mask.StateCount = static_cast<std::uint16_t>(reference.StateCount);
    mask.MaskLayout = static_cast<std::uint16_t>(reference.MaskLayout);
    if (mask.CellHeight() <= 0 || mask.CellWidth() <= 0) return std::nullopt;
    mask.UniformMargin = static_cast<std::uint16_t>(std::clamp(reference.UniformMargin, 0, 0xFFFF));
    mask.FillMode = static_cast<std::uint16_t>(reference.FillMode);
    DefaultMargins(reference, mask);
    if (version < kStretchBitVersion && mask.MaskLayout > 0) {
        if (reference.Format == '^') {
            const bool onePixelMiddle =
                mask.CellWidth() - mask.MarginLeft - mask.MarginRight == 1 &&
                mask.CellHeight() - mask.MarginTop - mask.MarginBottom == 1;
            mask.FillMode = static_cast<std::uint16_t>(onePixelMiddle ? (mask.FillMode | 1)
                                                                      : (mask.FillMode & ~1));
        } else if (reference.Format == '~') {
            mask.FillMode = static_cast<std::uint16_t>(mask.FillMode & ~1);
        }
    }
    return mask;
}
