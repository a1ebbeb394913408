#include "skin/paint/FrameHitTest.h"

namespace {

bool Contains(const TRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

TsHitZone ButtonZone(TsCaptionButtonKind kind) {
    switch (kind) {
        case TsCaptionButtonKind::Minimize:
            return TsHitZone::MinButton;
        case TsCaptionButtonKind::Maximize:
            return TsHitZone::MaxButton;
        case TsCaptionButtonKind::Close:
            break;
    }
    return TsHitZone::CloseButton;
}

TsHitZone ResizeZone(const TRect& frame, int x, int y) {
    const bool left = x < frame.left + kResizeGrip, right = x >= frame.right - kResizeGrip;
    const bool top = y < frame.top + kResizeGrip, bottom = y >= frame.bottom - kResizeGrip;
    if (!left && !right && !top && !bottom) return TsHitZone::Nowhere;
    const bool nearLeft = x < frame.left + kResizeCorner;
    const bool nearRight = x >= frame.right - kResizeCorner;
    const bool nearTop = y < frame.top + kResizeCorner;
    const bool nearBottom = y >= frame.bottom - kResizeCorner;
    if ((top && nearLeft) || (left && nearTop)) return TsHitZone::TopLeft;
    if ((top && nearRight) || (right && nearTop)) return TsHitZone::TopRight;
    if ((bottom && nearLeft) || (left && nearBottom)) return TsHitZone::BottomLeft;
    if ((bottom && nearRight) || (right && nearBottom)) return TsHitZone::BottomRight;
    if (left) return TsHitZone::Left;
    if (right) return TsHitZone::Right;
    return top ? TsHitZone::Top : TsHitZone::Bottom;
}

}  // namespace

TsHitZone HitTest(const TsFrameLayout& layout, int windowWidth, int windowHeight,
                  const std::vector<TsCaptionButtonPlace>& buttons, const TRect& icon, int x, int y,
                  bool resizable) {
    if (!Contains(TRect{0, 0, windowWidth, windowHeight}, x, y)) return TsHitZone::Nowhere;
    for (const TsCaptionButtonPlace& button : buttons)
        if (Contains(button.Rect, x, y)) return ButtonZone(button.Kind);
    if (Contains(icon, x, y)) return TsHitZone::SysMenu;
    const TRect frame = layout.FrameRect(windowWidth, windowHeight);
    if (resizable && !layout.Maximized) {
        const TsHitZone zone = ResizeZone(frame, x, y);
        if (zone != TsHitZone::Nowhere) return zone;
    }
    if (!Contains(frame, x, y)) return TsHitZone::Nowhere;
    if (y < frame.top + layout.Frame.Top) return TsHitZone::Caption;
    const TRect client{frame.left + layout.Frame.Left, frame.top + layout.Frame.Top,
                       frame.right - layout.Frame.Right, frame.bottom - layout.Frame.Bottom};
    return Contains(client, x, y) ? TsHitZone::Client : TsHitZone::Nowhere;
}

bool IsResizeZone(TsHitZone zone) {
    return zone >= TsHitZone::Left;
}
