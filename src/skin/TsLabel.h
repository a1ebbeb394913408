#pragma once

#include <QLabel>
#include <functional>

#include "platform/raster/RasterTypes.h"
#include "skin/TsCommonData.h"

class TsSkinContent;

// A text label with a transparent background. With AutoSize on (the default) it takes the
// size of its text whenever the text or the font changes. Under a skin it takes its text
// colour from the skin (UseSkinColor) and, given a SkinSection, paints that section's face.
class TsLabel : public QLabel {
public:
    explicit TsLabel(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    const QString& SkinSection() const { return skinSection_; }
    void SetSkinSection(const QString& section);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool use);

    // The text colour the label paints with now, as 0x00BBGGRR.
    TColor TextColor() const;

    TsCommonData SkinData;
    std::function<void()> OnClick;
    // After every change of size: its text, font or a skin's shadow room.
    std::function<void()> OnResize;
    bool Transparent = true;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // The size AutoSize gives the label.
    virtual QSize TextExtent() const;
    void FitToText();
    // The active skin, or null.
    TsSkinContent* ActiveSkin() const;
    // The index of SkinSection in the active skin, -1 when none.
    int SectionIndex() const;
    // Paints SkinSection's face over the label from its parent's background; false when
    // there is none to paint.
    bool PaintSectionFace(QPainter& painter) const;
    // The text as a plain label draws it, in the colour given.
    void DrawPlainText(QPainter& painter, TColor colour) const;

private:
    bool autoSize_ = true;
    bool pressed_ = false;
    bool useSkinColor_ = true;
    QString skinSection_;
};
