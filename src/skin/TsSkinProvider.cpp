#include "skin/TsSkinProvider.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include "skin/QtFace.h"
#include "skin/TsCompositor.h"
#include "skin/TsPreviewLink.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/data/SkinLookup.h"
#include "skin/data/TsSkinData.h"
#include "skin/paint/FrameFace.h"

namespace {

constexpr const char* kProviderProperty = "vexmoraSkinProvider";
constexpr int kIconSide = 16;

QRect ToQRect(const TRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// The caption buttons the window asks for, as a window manager reads its hints: a dialog shows
// only the buttons it names, another window every button unless it names some.
TsCaptionButtonSet ShownButtons(const QWidget& form) {
    const Qt::WindowFlags flags = form.windowFlags();
    const Qt::WindowFlags named = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                  Qt::WindowCloseButtonHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint;
    if (form.windowType() != Qt::Dialog && !(flags & named)) return {};
    TsCaptionButtonSet shown;
    shown.Minimize = (flags & Qt::WindowMinimizeButtonHint) != 0;
    shown.Maximize = (flags & Qt::WindowMaximizeButtonHint) != 0;
    return shown;
}

}  // namespace

TsSkinProvider::TsSkinProvider(QWidget& form) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("sSkinProvider1"));
    form_.setProperty(kProviderProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    // Both must be in place before the form gets its native window: the system frame is not
    // created and the window's visual carries alpha from the start.
    form_.setWindowFlag(Qt::FramelessWindowHint, true);
    translucent_ = TsCompositor::LayeredWindowsAvailable();
    if (translucent_) form_.setAttribute(Qt::WA_TranslucentBackground, true);
    form_.setMouseTracking(true);
    form_.installEventFilter(this);
    PrepareForm();
}

TsSkinProvider::TsSkinProvider(QWidget& form, TLateAttach) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("sSkinProvider1"));
    form_.setProperty(kProviderProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    QWindow* window = form_.windowHandle();
    if (window != nullptr) {
        window->setFlags(window->flags() | Qt::FramelessWindowHint);
        translucent_ = TsCompositor::LayeredWindowsAvailable() && window->format().hasAlpha();
    } else {
        form_.setWindowFlag(Qt::FramelessWindowHint, true);
    }
    form_.setMouseTracking(true);
    form_.installEventFilter(this);
    PrepareForm();
}

QPoint TsSkinProvider::SystemMenuPoint() const {
    const TRect icon = PlaceTitleIcon(values_, layout_, kIconSide);
    return form_.mapToGlobal(QPoint(icon.left, icon.bottom));
}

TsSkinProvider::~TsSkinProvider() {
    form_.removeEventFilter(this);
    form_.setProperty(kProviderProperty, QVariant());
}

TsSkinProvider* TsSkinProvider::Of(QWidget& form) {
    return static_cast<TsSkinProvider*>(form.property(kProviderProperty).value<QObject*>());
}

TsSkinManager* TsSkinProvider::SkinManager() const {
    return manager_;
}

void TsSkinProvider::SetSkinManager(TsSkinManager* manager) {
    manager_ = manager;
    PrepareForm();
}

TsSkinManager* TsSkinProvider::Manager() const {
    return manager_ ? manager_ : TsSkinManager::DefaultManager();
}

bool TsSkinProvider::ExtendedBorderInUse() const {
    const TsSkinManager* manager = Manager();
    return manager != nullptr && manager->Content() != nullptr && manager->ExtendedBorders() &&
           translucent_ && DrawNonClientArea && AllowExtBorders && form_.isWindow();
}

void TsSkinProvider::PrepareForm() {
    TsSkinManager* manager = Manager();
    TsSkinContent* skin = manager ? manager->Content() : nullptr;
    formSection_ = titleSection_ = -1;
    values_ = TsFrameSkinValues{};
    templateShadow_ = {};
    if (skin != nullptr) {
        const TsConstIndexCache& cache = manager->ConstIndexCache();
        values_ = ReadFrameSkinValues(*skin);
        templateShadow_ = ShadowSize(*skin, cache.ExBorder, values_);
        formSection_ = skin->SectionIndex(SkinSection.toUpper().toStdString());
        const QString title = TitleSkin.isEmpty() ? QStringLiteral("FORMTITLE") : TitleSkin;
        titleSection_ = skin->SectionIndex(title.toUpper().toStdString());
        // A skin whose GLOBALINFO names no colour (ours) gives its form's colour instead.
        const std::int32_t formColour =
            formSection_ >= 0 ? skin->GeneralData[std::size_t(formSection_)].Props[0].Color
                              : 0xFFFFFF;
        if (UseGlobalColor) {
            QPalette palette = form_.palette();
            palette.setColor(QPalette::Window,
                             ToQColor(static_cast<TColor>(ReadSkinInteger(
                                          skin->Ini, kGlobalInfoSection, "COLOR", formColour)) &
                                      0xFFFFFF));
            form_.setPalette(palette);
        }
    }
    Relayout();
}

void TsSkinProvider::Relayout() {
    layout_ = LayoutFrame(values_, templateShadow_, ExtendedBorderInUse(), maximized_);
    ApplyMargins();
    InvalidateFace();
}

void TsSkinProvider::ApplyMargins() {
    const TsMargins outside = layout_.Outside();
    form_.setContentsMargins(outside.Left, outside.Top, outside.Right, outside.Bottom);
    if (outerMinimumWidth_ > 0)
        form_.setMinimumWidth(WindowSizeFor({outerMinimumWidth_, 0}).width());
}

void TsSkinProvider::InvalidateFace() {
    faceValid_ = false;
    TsSkinContent* skin = Manager() ? Manager()->Content() : nullptr;
    buttons_.clear();
    if (skin != nullptr)
        buttons_ = PlaceCaptionButtons(*skin, Manager()->ConstIndexCache().GlobalInfo, values_,
                                       layout_, form_.width(), ShownButtons(form_));
    // Only the frame: the controls inside keep their faces.
    form_.update(QRegion(form_.rect()).subtracted(QRegion(form_.contentsRect())));
}

QSize TsSkinProvider::WindowSizeFor(QSize outer) const {
    const TsMargins m = layout_.Outside();
    const int standardWidth = 2 * kStandardFrame.FrameWidth;
    const int standardHeight = 2 * kStandardFrame.FrameWidth + kStandardFrame.CaptionHeight;
    return {outer.width() - standardWidth + m.Left + m.Right,
            outer.height() - standardHeight + m.Top + m.Bottom};
}

QSize TsSkinProvider::OuterSizeOf(QSize window) const {
    const QSize none = WindowSizeFor({0, 0});
    return {window.width() - none.width(), window.height() - none.height()};
}

void TsSkinProvider::SetOuterMinimumWidth(int width) {
    outerMinimumWidth_ = width;
    ApplyMargins();
}

int TsSkinProvider::ButtonState(TsCaptionButtonKind kind) const {
    const auto zone = [](TsCaptionButtonKind k) {
        return k == TsCaptionButtonKind::Minimize   ? TsHitZone::MinButton
               : k == TsCaptionButtonKind::Maximize ? TsHitZone::MaxButton
                                                    : TsHitZone::CloseButton;
    }(kind);
    if (pressed_ == zone) return hot_ == zone ? 2 : 1;
    return hot_ == zone && pressed_ == TsHitZone::Nowhere ? 1 : 0;
}

TsHitZone TsSkinProvider::ZoneAt(QPoint point) const {
    const TRect icon = ShowAppIcon ? PlaceTitleIcon(values_, layout_, kIconSide) : TRect{};
    const bool resizable = form_.minimumSize() != form_.maximumSize();
    return HitTest(layout_, form_.width(), form_.height(), buttons_, icon, point.x(), point.y(),
                   resizable);
}

QImage TsSkinProvider::FrameImage() {
    if (faceValid_) return face_;
    TsSkinManager* manager = Manager();
    TsSkinContent* skin = manager ? manager->Content() : nullptr;
    face_ = QImage();
    if (skin != nullptr && DrawNonClientArea) {
        TsFrameFaceInput in;
        in.Skin = skin;
        in.GlobalInfo = manager->ConstIndexCache().GlobalInfo;
        in.ExBorder = manager->ConstIndexCache().ExBorder;
        in.FormSection = formSection_;
        in.TitleSection = titleSection_;
        in.Width = form_.width();
        in.Height = form_.height();
        in.Layout = layout_;
        in.TemplateShadow = templateShadow_;
        in.Active = form_.isActiveWindow();
        in.Buttons = buttons_;
        for (const TsCaptionButtonPlace& button : buttons_)
            in.ButtonStates.push_back(ButtonState(button.Kind));
        in.Glowing = layout_.Extended && manager->Effects.AllowGlowing;
        face_ = AlphaFaceImage(*PaintFrameFace(in));
    }
    faceValid_ = true;
    return face_;
}

void TsSkinProvider::Paint() {
    const QImage face = FrameImage();
    QPainter painter(&form_);
    if (face.isNull()) {
        painter.fillRect(form_.rect(), form_.palette().window());
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, face);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    PaintCaption(painter);
}

void TsSkinProvider::PaintCaption(QPainter& painter) {
    TRect iconRect = PlaceTitleIcon(values_, layout_, kIconSide);
    const QIcon icon = form_.windowIcon();
    if (ShowAppIcon && !icon.isNull())
        icon.paint(&painter, ToQRect(iconRect));
    else
        iconRect.right = iconRect.left - kCaptionGap;  // the caption takes the icon's place
    QString caption = AddedTitle.ShowMainCaption ? form_.windowTitle() : QString();
    if (!AddedTitle.Text.isEmpty()) caption += AddedTitle.Text;
    if (caption.isEmpty()) return;
    const QRect area = ToQRect(PlaceCaptionText(layout_, form_.width(), iconRect, buttons_));
    QColor colour = form_.palette().color(QPalette::WindowText);
    TsSkinContent* skin = Manager() ? Manager()->Content() : nullptr;
    if (skin != nullptr && titleSection_ >= 0) {
        const TsGeneralData& title = skin->GeneralData[static_cast<std::size_t>(titleSection_)];
        colour = ToQColor(
            static_cast<TColor>(title.Props[form_.isActiveWindow() ? 1 : 0].FontColor) & 0xFFFFFF);
    }
    QFont font = form_.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    const Qt::Alignment horizontal = CaptionAlignment & Qt::AlignHorizontal_Mask;
    painter.drawText(area, int(horizontal | Qt::AlignVCenter),
                     painter.fontMetrics().elidedText(caption, Qt::ElideRight, area.width()));
}

void TsSkinProvider::Command(TsSkinCommandEvent& command) {
    switch (command.Command) {
        case CmdGetProvider:
            command.Reply(reinterpret_cast<std::intptr_t>(this));
            break;
        case CmdRefresh:
        case CmdSetNewSkin:
        case CmdRemoveSkin:
            if (command.Param == Manager()) PrepareForm();
            break;
        default:
            break;
    }
}

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &form_) return false;
    if (event->type() == TsSkinCommandEvent::EventType()) {
        Command(static_cast<TsSkinCommandEvent&>(*event));
        return false;
    }
    switch (event->type()) {
        case QEvent::Paint:
            Paint();
            return false;
        case QEvent::Resize:
            InvalidateFace();
            return false;
        case QEvent::ActivationChange:
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
            InvalidateFace();
            return false;
        case QEvent::MouseButtonPress:
            return MousePress(static_cast<QMouseEvent&>(*event));
        case QEvent::MouseMove:
            return MouseMove(static_cast<QMouseEvent&>(*event));
        case QEvent::MouseButtonRelease:
            return MouseRelease(static_cast<QMouseEvent&>(*event));
        case QEvent::MouseButtonDblClick:
            return MouseDoubleClick(static_cast<QMouseEvent&>(*event));
        case QEvent::Leave:
            SetHot(TsHitZone::Nowhere);
            UpdateCursor(TsHitZone::Nowhere);
            return false;
        case QEvent::Show:
            if (!event->spontaneous()) ShowAnimation();
            if (Manager() != nullptr) TsPreviewLink::StartForFirstForm(form_, *Manager());
            return false;
        case QEvent::Close:
            HideAnimation();
            return false;
        default:
            return false;
    }
}
