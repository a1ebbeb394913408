// The provider's answers to the mouse in the frame: caption buttons, moving by the title
// (with screen snapping), resizing by the edges and maximizing by a double click.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "skin/TsCompositor.h"
#include "skin/TsSkinProvider.h"
#include "skin/paint/ScreenSnap.h"

namespace {

bool IsButton(TsHitZone zone) {
    return zone == TsHitZone::MinButton || zone == TsHitZone::MaxButton ||
           zone == TsHitZone::CloseButton;
}

Qt::Edges EdgesOf(TsHitZone zone) {
    switch (zone) {
        case TsHitZone::Left:
            return Qt::LeftEdge;
        case TsHitZone::Right:
            return Qt::RightEdge;
        case TsHitZone::Top:
            return Qt::TopEdge;
        case TsHitZone::Bottom:
            return Qt::BottomEdge;
        case TsHitZone::TopLeft:
            return Qt::TopEdge | Qt::LeftEdge;
        case TsHitZone::TopRight:
            return Qt::TopEdge | Qt::RightEdge;
        case TsHitZone::BottomLeft:
            return Qt::BottomEdge | Qt::LeftEdge;
        case TsHitZone::BottomRight:
            return Qt::BottomEdge | Qt::RightEdge;
        default:
            return {};
    }
}

Qt::CursorShape CursorOf(TsHitZone zone) {
    switch (zone) {
        case TsHitZone::Left:
        case TsHitZone::Right:
            return Qt::SizeHorCursor;
        case TsHitZone::Top:
        case TsHitZone::Bottom:
            return Qt::SizeVerCursor;
        case TsHitZone::TopLeft:
        case TsHitZone::BottomRight:
            return Qt::SizeFDiagCursor;
        case TsHitZone::TopRight:
        case TsHitZone::BottomLeft:
            return Qt::SizeBDiagCursor;
        default:
            return Qt::ArrowCursor;
    }
}

bool OnWayland() {
    return TsCompositor::CurrentPlatform() == TsCompositor::Platform::Wayland;
}

}  // namespace

bool TsSkinProvider::MousePress(QMouseEvent& event) {
    const TsHitZone zone = ZoneAt(event.position().toPoint());
    if (zone == TsHitZone::Client || zone == TsHitZone::Nowhere) return false;
    if (event.button() == Qt::RightButton) {
        if (zone == TsHitZone::Caption || zone == TsHitZone::SysMenu) {
            if (OnSystemMenu) OnSystemMenu(event.globalPosition().toPoint());
            return true;
        }
        return false;
    }
    if (event.button() != Qt::LeftButton) return false;
    if (IsButton(zone)) {
        pressed_ = zone;
        SetHot(zone);
        InvalidateFace();
    } else if (zone == TsHitZone::SysMenu) {
        if (OnSystemMenu) OnSystemMenu(SystemMenuPoint());
    } else if (zone == TsHitZone::Caption) {
        if (maximized_) return true;
        // Wayland places windows itself and lets clients move them only this way; elsewhere
        // our own loop moves the window, so that snapping works as the skin engine has it,
        // with or without a window manager.
        if (OnWayland() && form_.windowHandle() && form_.windowHandle()->startSystemMove())
            return true;
        drag_.Moving = true;
        drag_.PressGlobal = event.globalPosition().toPoint();
        drag_.StartGeometry = form_.geometry();
    } else if (IsResizeZone(zone)) {
        QWindow* window = form_.windowHandle();
        if (window != nullptr && window->startSystemResize(EdgesOf(zone))) return true;
        drag_.Resizing = zone;
        drag_.PressGlobal = event.globalPosition().toPoint();
        drag_.StartGeometry = form_.geometry();
    }
    return true;
}

bool TsSkinProvider::MouseMove(QMouseEvent& event) {
    const QPoint global = event.globalPosition().toPoint();
    if (drag_.Moving) {
        MoveTo(drag_.StartGeometry.topLeft() + (global - drag_.PressGlobal));
        return true;
    }
    if (drag_.Resizing != TsHitZone::Nowhere) {
        ResizeBy(global - drag_.PressGlobal);
        return true;
    }
    const TsHitZone zone = ZoneAt(event.position().toPoint());
    SetHot(IsButton(zone) ? zone : TsHitZone::Nowhere);
    UpdateCursor(zone);
    return zone != TsHitZone::Client && zone != TsHitZone::Nowhere;
}

bool TsSkinProvider::MouseRelease(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return false;
    const bool wasDragging = drag_.Moving || drag_.Resizing != TsHitZone::Nowhere;
    drag_ = TDrag{};
    const TsHitZone pressed = pressed_;
    if (pressed != TsHitZone::Nowhere) {
        pressed_ = TsHitZone::Nowhere;
        InvalidateFace();
        if (ZoneAt(event.position().toPoint()) == pressed) Click(pressed);
        return true;
    }
    return wasDragging;
}

bool TsSkinProvider::MouseDoubleClick(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return false;
    const TsHitZone zone = ZoneAt(event.position().toPoint());
    if (zone == TsHitZone::Caption) {
        drag_ = TDrag{};
        maximized_ ? Restore() : Maximize();
        return true;
    }
    // A double click on a button is two clicks on it.
    if (IsButton(zone)) return MousePress(event);
    return zone != TsHitZone::Client && zone != TsHitZone::Nowhere;
}

void TsSkinProvider::Click(TsHitZone zone) {
    switch (zone) {
        case TsHitZone::CloseButton:
            form_.close();
            break;
        case TsHitZone::MaxButton:
            maximized_ ? Restore() : Maximize();
            break;
        case TsHitZone::MinButton:
            form_.showMinimized();
            break;
        default:
            break;
    }
}

void TsSkinProvider::SetHot(TsHitZone zone) {
    if (zone == hot_) return;
    hot_ = zone;
    InvalidateFace();
}

void TsSkinProvider::UpdateCursor(TsHitZone zone) {
    // The form's cursor would pass to every child that has none of its own; it is set only
    // while the mouse is over a resize band of the frame.
    if (IsResizeZone(zone))
        form_.setCursor(CursorOf(zone));
    else
        form_.unsetCursor();
}

void TsSkinProvider::MoveTo(QPoint windowPosition) {
    form_.move(ScreenSnap && !maximized_ ? Snapped(windowPosition) : windowPosition);
}

// The form as the system would frame it lies inside our frame: the extended frame reaches
// BORDERWIDTH - frame width beyond it at the sides and TITLEHEIGHT - caption - frame above it.
QPoint TsSkinProvider::Snapped(QPoint windowPosition) const {
    const QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return windowPosition;
    const QRect area = screen->availableGeometry();
    const bool extended = layout_.Extended;
    const int sideReach = extended ? values_.BorderWidth - kStandardFrame.FrameWidth : 0;
    const int topReach =
        extended ? values_.TitleHeight - kStandardFrame.CaptionHeight - kStandardFrame.FrameWidth
                 : 0;
    const QPoint toForm(layout_.Shadow.Left + sideReach, layout_.Shadow.Top + topReach);
    const QPoint form = windowPosition + toForm;
    const int width = form_.width() - layout_.Shadow.Left - layout_.Shadow.Right - 2 * sideReach;
    const int height =
        form_.height() - layout_.Shadow.Top - layout_.Shadow.Bottom - topReach - sideReach;
    TsSnapInput in;
    in.Form = {form.x(), form.y(), form.x() + width, form.y() + height};
    in.Area = {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    in.W = extended ? sideReach + values_.AlignOffset : 0;
    in.T = extended ? topReach + values_.AlignOffset : 0;
    in.Buffer = SnapBuffer;
    const TsSnapPosition snapped = SnapToWorkArea(in);
    return QPoint(snapped.X, snapped.Y) - toForm;
}

void TsSkinProvider::ResizeBy(QPoint delta) {
    const Qt::Edges edges = EdgesOf(drag_.Resizing);
    QRect rect = drag_.StartGeometry;
    const QSize least = form_.minimumSize(), most = form_.maximumSize();
    if (edges & Qt::LeftEdge)
        rect.setLeft(rect.right() + 1 -
                     std::clamp(rect.width() - delta.x(), least.width(), most.width()));
    if (edges & Qt::RightEdge)
        rect.setWidth(std::clamp(rect.width() + delta.x(), least.width(), most.width()));
    if (edges & Qt::TopEdge)
        rect.setTop(rect.bottom() + 1 -
                    std::clamp(rect.height() - delta.y(), least.height(), most.height()));
    if (edges & Qt::BottomEdge)
        rect.setHeight(std::clamp(rect.height() + delta.y(), least.height(), most.height()));
    form_.setGeometry(rect);
}

void TsSkinProvider::Maximize() {
    if (maximized_) return;
    const QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
    normalGeometry_ = form_.geometry();
    maximized_ = true;
    Relayout();
    if (OnWayland()) {
        form_.showMaximized();
    } else if (screen != nullptr) {
        form_.setGeometry(screen->availableGeometry());
    }
}

void TsSkinProvider::Restore() {
    if (!maximized_) return;
    maximized_ = false;
    Relayout();
    if (OnWayland())
        form_.showNormal();
    else
        form_.setGeometry(normalGeometry_);
}
