#pragma once

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "skin/paint/FrameHitTest.h"
#include "skin/paint/FrameMetrics.h"

class QMouseEvent;
class QWidget;
class TsSkinCommandEvent;
class TsSkinManager;

// Draws a form's frame from the skin: the form becomes a frameless top-level whose contents
// margins reserve the frame (and, with an extended border, the shadow around it), and the
// provider paints frame, title bar, icon, caption text and caption buttons there and answers
// the mouse in them: the buttons, moving by the title, resizing by the edges, maximizing by a
// double click. Made in the form's constructor, before the form has a native window.
class TsSkinProvider : public QObject {
public:
    enum TGripMode { gmNone, gmRightBottom };
    enum TResizeMode { rmStandard, rmBorder };
    struct TacAddedTitle {
        QString Text;
        QFont Font;
        bool ShowMainCaption = true;
    };

    explicit TsSkinProvider(QWidget& form);
    // For a window found once it exists (the window hook's): the frame hint goes straight to
    // the native window, which is not made again, and the frame stays opaque unless the window
    // was made with an alpha channel.
    struct TLateAttach {};
    TsSkinProvider(QWidget& form, TLateAttach);
    ~TsSkinProvider() override;

    // The provider of the form, or nullptr.
    static TsSkinProvider* Of(QWidget& form);

    QString SkinSection = QStringLiteral("FORM");
    QString TitleSkin;     // empty: "FORMTITLE"
    QString MenuLineSkin;  // empty: "MENULINE"
    bool DrawNonClientArea = true;
    bool AllowExtBorders = true;
    bool AllowAnimation = true;
    bool AllowBlendOnMoving = true;
    bool UseGlobalColor = true;
    bool ShowAppIcon = true;
    Qt::Alignment CaptionAlignment = Qt::AlignLeft;
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    TGripMode GripMode = gmNone;
    TResizeMode ResizeMode = rmStandard;
    bool MakeSkinMenu = false;
    TacAddedTitle AddedTitle;
    // The system menu was asked for (the title icon, a right click on the title) at that
    // screen point; whoever owns the menu opens it there.
    std::function<void(QPoint)> OnSystemMenu;
    std::function<void()> OnAfterAnimation;

    // Null: the default manager.
    TsSkinManager* SkinManager() const;
    void SetSkinManager(TsSkinManager* manager);

    // Where the system menu opens from the keyboard or the icon: below the title icon, on the
    // screen.
    QPoint SystemMenuPoint() const;
    // The extended border (translucent shadow around the frame) is drawn.
    bool ExtendedBorderInUse() const;
    bool Maximized() const { return maximized_; }
    void Maximize();
    void Restore();
    const TsFrameLayout& Layout() const { return layout_; }
    // What a point of the form (its own coordinates) means to the mouse.
    TsHitZone ZoneAt(QPoint point) const;
    const std::vector<TsCaptionButtonPlace>& CaptionButtons() const { return buttons_; }
    // The state of a caption button: 0 normal, 1 hot, 2 pressed.
    int ButtonState(TsCaptionButtonKind kind) const;

    // Sizes of the form as designed (client area plus the standard frame) and as the window
    // is with the provider's frame; the two differ by the frames only.
    QSize WindowSizeFor(QSize outer) const;
    QSize OuterSizeOf(QSize window) const;
    // The smallest outer width the form allows; kept as the frame changes.
    void SetOuterMinimumWidth(int width);

    // Finds the sections and skin values again and lays out the frame (after each skin change).
    void PrepareForm();
    // The frame picture as it is painted now (for tests and screenshots).
    QImage FrameImage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TDrag {
        bool Moving = false;
        TsHitZone Resizing = TsHitZone::Nowhere;
        QPoint PressGlobal;
        QRect StartGeometry;
    };

    void Command(TsSkinCommandEvent& command);
    void Relayout();
    void ApplyMargins();
    void Paint();
    void PaintCaption(class QPainter& painter);
    void InvalidateFace();
    TsSkinManager* Manager() const;

    // Mouse, in TsSkinProviderMouse.cpp.
    bool MousePress(QMouseEvent& event);
    bool MouseMove(QMouseEvent& event);
    bool MouseRelease(QMouseEvent& event);
    bool MouseDoubleClick(QMouseEvent& event);
    void SetHot(TsHitZone zone);
    void UpdateCursor(TsHitZone zone);
    void MoveTo(QPoint windowPosition);
    void ResizeBy(QPoint delta);
    QPoint Snapped(QPoint windowPosition) const;
    void Click(TsHitZone zone);

    // The show and hide animations, in TsSkinProviderAnimation.cpp.
    void ShowAnimation();
    void HideAnimation();

    QWidget& form_;
    TsSkinManager* manager_ = nullptr;
    TsFrameSkinValues values_;
    TsMargins templateShadow_;
    TsFrameLayout layout_;
    std::vector<TsCaptionButtonPlace> buttons_;
    int formSection_ = -1;
    int titleSection_ = -1;
    bool translucent_ = false;
    bool maximized_ = false;
    QRect normalGeometry_;
    TsHitZone hot_ = TsHitZone::Nowhere;
    TsHitZone pressed_ = TsHitZone::Nowhere;
    TDrag drag_;
    int outerMinimumWidth_ = 0;
    bool shownBefore_ = false;
    bool hidden_ = false;
    double opacityBeforeHide_ = 1.0;
    QImage face_;
    bool faceValid_ = false;
};
