#pragma once

#include <string>
#include <vector>

#include "skin/paint/FaceDetails.h"
#include "skin/paint/FacePictures.h"

namespace painttest {

// A text renderer without fonts: every character is a block one pixel narrower than its
// cell (cells kCharWidth wide and the rectangle tall), so what the painters ask for can be
// seen in the pixels; every call is recorded.
class TRecordingText : public ISkinTextRenderer {
public:
    static constexpr int kCharWidth = 6;

    struct TCall {
        std::string Text;
        TRect Rect;
        TColor Colour;
        int Dx;
        int Dy;
        std::uint32_t Format;
    };
    std::vector<TCall> Calls;

    void DrawText(TBitmap& face, const std::string& text, const TRect& rect, TColor colour, int dx,
                  int dy, std::uint32_t format, bool) override {
        Calls.push_back({text, rect, colour, dx, dy, format});
        const int right = std::min(rect.right, rect.left + dx + TextWidth(text));
        for (int i = 0; i < static_cast<int>(text.size()); ++i) {
            TRect block{rect.left + dx + i * kCharWidth, rect.top + dy,
                        rect.left + dx + (i + 1) * kCharWidth - 1, rect.bottom + dy};
            block.left = std::max(block.left, rect.left);
            block.top = std::max(block.top, rect.top);
            block.right = std::min({block.right, right, rect.right});
            block.bottom = std::min(block.bottom, rect.bottom);
            if (block.Width() > 0 && block.Height() > 0) skinpaint::FillArea(face, block, colour);
        }
    }
    int TextWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * kCharWidth;
    }
    void DrawGlow(TBitmap&, const std::string&, const TRect&, TColor, int, std::uint32_t) override {
    }
};

}  // namespace painttest
