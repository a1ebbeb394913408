#include "skin/ScrollBarStyle.h"

#include <QPainter>
#include <QStyleOptionSlider>

#include "skin/QtFace.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/ScrollBarFace.h"

namespace scrollbarstyle {

namespace {

const QStyleOptionSlider* BarOf(QStyle::ComplexControl control, const QStyleOptionComplex* option) {
    if (control != QStyle::CC_ScrollBar) return nullptr;
    return qstyleoption_cast<const QStyleOptionSlider*>(option);
}

int PartState(const QStyleOptionSlider& bar, QStyle::SubControl part) {
    if (bar.activeSubControls != part) return 0;
    return (bar.state & QStyle::State_Sunken) ? 2 : 1;
}

TsScrollBarState BarState(const TsSkinContent& skin, const QStyleOptionSlider& bar) {
    TsScrollBarState s;
    s.Vertical = bar.orientation == Qt::Vertical;
    s.Minimum = bar.minimum;
    s.Maximum = bar.maximum;
    s.PageStep = bar.pageStep;
    s.Value = bar.sliderPosition;
    s.Enabled = (bar.state & QStyle::State_Enabled) != 0;
    s.FirstArrowState = PartState(bar, QStyle::SC_ScrollBarSubLine);
    s.SecondArrowState = PartState(bar, QStyle::SC_ScrollBarAddLine);
    s.ThumbState = PartState(bar, QStyle::SC_ScrollBarSlider);
    s.ThumbMinimum = ScrollBarMetrics(skin, s.Vertical).ThumbMinimum;
    return s;
}

QRect ToQRect(const TRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// The track before and after the thumb; with no thumb the whole track pages towards its end.
QRect PageRect(const TsScrollBarParts& parts, bool vertical, bool before) {
    const TRect& track = parts.Track;
    if (parts.Thumb.Width() <= 0 || parts.Thumb.Height() <= 0)
        return before ? QRect() : ToQRect(track);
    TRect r = track;
    if (vertical && before) r.bottom = parts.Thumb.top;
    if (vertical && !before) r.top = parts.Thumb.bottom;
    if (!vertical && before) r.right = parts.Thumb.left;
    if (!vertical && !before) r.left = parts.Thumb.right;
    return ToQRect(r);
}

}  // namespace

bool Draw(TsSkinContent& skin, QStyle::ComplexControl control, const QStyleOptionComplex* option,
          QPainter* painter) {
    const QStyleOptionSlider* bar = BarOf(control, option);
    if (bar == nullptr || painter == nullptr) return false;
    const QRect r = option->rect;
    try {
        auto face = skinpaint::NewFacePicture(r.width(), r.height());
        if (face->IsEmpty()) return true;
        TsFaceBinding owner;
        owner.Skin = &skin;
        BackgroundInfo behind;
        behind.BgType = BackgroundInfo::PlainColor;
        behind.Color = FromQColor(option->palette.color(QPalette::Window));
        PaintScrollBar(owner, behind, *face, BarState(skin, *bar));
        painter->drawImage(r.topLeft(), FaceImage(*face));
        return true;
    } catch (...) {
        // Painting never raises: a bar whose face cannot be had is drawn the plain way.
        return false;
    }
}

std::optional<QRect> PartRect(const TsSkinContent& skin, QStyle::ComplexControl control,
                              const QStyleOptionComplex* option, QStyle::SubControl part) {
    const QStyleOptionSlider* bar = BarOf(control, option);
    if (bar == nullptr) return std::nullopt;
    const TsScrollBarState state = BarState(skin, *bar);
    const TsScrollBarParts parts = ScrollBarParts(bar->rect.width(), bar->rect.height(), state);
    QRect r;
    switch (part) {
        case QStyle::SC_ScrollBarSubLine:
            r = ToQRect(parts.FirstArrow);
            break;
        case QStyle::SC_ScrollBarAddLine:
            r = ToQRect(parts.SecondArrow);
            break;
        case QStyle::SC_ScrollBarGroove:
            r = ToQRect(parts.Track);
            break;
        case QStyle::SC_ScrollBarSlider:
            r = ToQRect(parts.Thumb);
            break;
        case QStyle::SC_ScrollBarSubPage:
            r = PageRect(parts, state.Vertical, true);
            break;
        case QStyle::SC_ScrollBarAddPage:
            r = PageRect(parts, state.Vertical, false);
            break;
        // The bar has no first and last buttons of its own.
        case QStyle::SC_ScrollBarFirst:
        case QStyle::SC_ScrollBarLast:
            break;
        default:
            return std::nullopt;
    }
    // The parts are measured from the bar's corner; Qt wants them where the bar lies.
    return r.translated(bar->rect.topLeft());
}

std::optional<int> Metric(const TsSkinContent& skin, QStyle::PixelMetric metric,
                          const QStyleOption* option) {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const bool vertical = bar == nullptr || bar->orientation == Qt::Vertical;
    switch (metric) {
        case QStyle::PM_ScrollBarExtent:
            return ScrollBarMetrics(skin, vertical).Extent;
        case QStyle::PM_ScrollBarSliderMin:
            return ScrollBarMetrics(skin, vertical).ThumbMinimum;
        default:
            return std::nullopt;
    }
}

}  // namespace scrollbarstyle
