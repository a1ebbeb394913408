#pragma once

#include "skin/TsLabel.h"
#include "skin/paint/ShadowValues.h"
#include "skin/paint/TsShadowMask.h"

// A label whose text is drawn with a soft shadow: a blurred copy of the text, moved by the
// shadow's distance. Where the shadow's values and the text colour come from is set by
// Shadow.Mode and Kind.KindType. AutoSize makes room for the shadow.
class TsLabelFX : public TsLabel {
public:
    struct TsShadow {
        TsShadowMode Mode = smSkin;
        TColor Color = 0;
        int BlurCount = 4;
        int Distance = 1;
    };
    struct TsKind {
        TsKindType KindType = ktSkin;
        TColor Color = 0xFFFFFF;
    };

    explicit TsLabelFX(const QString& caption = QString(), QWidget* parent = nullptr);

    const TsShadow& Shadow() const { return shadow_; }
    void SetShadow(const TsShadow& shadow);
    const TsKind& Kind() const { return kind_; }
    void SetKind(const TsKind& kind);
    bool ShowAccelChar = true;

    // The shadow as it is drawn now (the skin's or the label's own values), and whether one
    // is drawn at all.
    TsShadowValues EffectiveShadow() const;
    bool ShadowActive() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize TextExtent() const override;

private:
    TColor FXTextColor() const;
    std::uint32_t TextFormat() const;

    TsShadow shadow_;
    TsKind kind_;
    TsShadowMask mask_;
};
