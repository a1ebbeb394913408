#pragma once

#include <QImage>
#include <QObject>
#include <QPalette>
#include <QString>
#include <functional>
#include <memory>

#include "platform/raster/TBitmap.h"
#include "skin/paint/FaceTypes.h"
#include "skin/paint/TsFadeAnimation.h"

class QPaintEvent;
class QTimer;
class QWidget;
class TsSkinCommandEvent;
class TsSkinManager;

// A control's binding to the skin: its manager, its section and the cached picture of its
// face. It answers the skin commands on the control's behalf (an event filter on the control),
// adopts the section's colours, and paints the face: the control asks for it and blits it.
class TsCommonData : public QObject {
public:
    // Builds the face of the control's size for a state; the default paints the section's
    // background, border mask and corners.
    using FaceBuilder = std::function<std::shared_ptr<TBitmap>(int state)>;

    // An empty section is taken from the control kind's default.
    TsCommonData(QWidget& control, QString section);
    ~TsCommonData() override;

    // Whether the control carries a binding of its own (other windows may still answer the
    // skin commands through their form's provider).
    static bool IsBound(const QWidget& control);

    // Upper case; an empty value is stored as "UNKNOWN".
    const QString& SkinSection() const { return section_; }
    void SetSkinSection(const QString& section);
    // Null: the default manager.
    TsSkinManager* SkinManager() const;
    void SetSkinManager(TsSkinManager* manager);

    bool CustomColor = false;
    bool CustomFont = false;
    int HUEOffset = 0;
    int Saturation = 0;
    // Paints faces from the skin; off for controls whose drawing comes later (labels,
    // group boxes, the status bar): those only adopt colours.
    bool PaintsFace = false;
    // Takes the text colour of the parent's section instead of its own (labels).
    bool ParentFontColor = false;
    FaceBuilder BuildFace;
    // What the face shows beyond the skin and the control's size and state (a caption, an
    // icon): the face is rebuilt when it changes. Controls change these without telling
    // anyone (a button's setText sends no event), so the face compares them itself.
    std::function<QString()> FaceContent;
    // The control's state index (0 normal, 1 hot/focused, 2 pressed).
    std::function<int()> State;
    // Called after the control took a new skin or lost its skin (controls that measure
    // themselves by skin values).
    std::function<void()> OnSkinChanged;

    int SkinIndex() const { return skinIndex_; }
    bool Skinned() const;
    TsFaceBinding Binding() const;
    // What the parent answers about the background behind this control.
    BackgroundInfo ParentBackground() const;

    // Paints the cached face (rebuilding it when out of date); false when the control is not
    // skinned and draws its standard look.
    bool Paint(QPaintEvent* event);
    // The face as it is now (rebuilt when out of date), or null.
    std::shared_ptr<TBitmap> Face();
    void Invalidate();
    // A state change: fades from the shown face when the section fades, else repaints.
    void StateChanged(bool mouseButton);
    // One step of a running fade (the 10 ms timer calls it).
    void Tick();
    bool Fading() const { return fade_.Running(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr const char* kBindingProperty = "vexmoraSkinBinding";

    bool OutOfDate() const;
    void Command(TsSkinCommandEvent& command);
    void Refresh(bool adoptColours);
    void Unskin();
    void AdoptColours();
    std::shared_ptr<TBitmap> DefaultFace(int state) const;

    QWidget& control_;
    QString section_;
    TsSkinManager* manager_ = nullptr;
    int skinIndex_ = -1;
    std::shared_ptr<TBitmap> face_;
    // FaceContent's answer when the face was built.
    QString faceContent_;
    // The face as Qt blits it, and the fade frame shown meanwhile.
    QImage image_;
    QImage shown_;
    QPalette ownPalette_;
    bool adopted_ = false;
    bool backgroundChanged_ = true;
    bool updating_ = false;
    TsFadeAnimation fade_;
    QTimer* fadeTimer_ = nullptr;
};
