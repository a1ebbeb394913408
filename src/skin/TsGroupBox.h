#pragma once

#include <QGroupBox>
#include <memory>

#include "skin/TsCommonData.h"
#include "skin/paint/GroupBoxFace.h"

// A group box whose children are placed from its top-left corner. Its own font is the
// caption's; children that should not share it carry fonts of their own. Under a skin the
// frame comes from its section and the caption is cut into the frame's top line. Its client
// area (the contents rectangle a layout fills) begins below the caption strip, CaptionYOffset
// lower than the standard group box's.
class TsGroupBox : public QGroupBox {
public:
    explicit TsGroupBox(const QString& caption, QWidget* parent = nullptr);

    TsCaptionLayout CaptionLayout() const { return captionLayout_; }
    void SetCaptionLayout(TsCaptionLayout layout);
    const TsMargin& CaptionMargin() const { return captionMargin_; }
    void SetCaptionMargin(const TsMargin& margin);
    int CaptionYOffset() const { return captionYOffset_; }
    void SetCaptionYOffset(int offset);
    const QString& CaptionSkin() const { return captionSkin_; }
    void SetCaptionSkin(const QString& section);
    int CaptionWidth() const { return captionWidth_; }
    void SetCaptionWidth(int width);
    void SetCaption(const QString& caption);

    // The rectangle of the caption strip.
    QRect CaptionRect() const;

    TsCommonData SkinData;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TsCaptionGeometry Geometry() const;
    std::shared_ptr<TBitmap> BuildFace();
    void CaptionChanged();
    // The standard group box's margins, as the style gives them.
    QMargins StandardMargins() const;
    void UpdateClientArea();

    TsCaptionLayout captionLayout_ = clTopLeft;
    TsMargin captionMargin_;
    int captionYOffset_ = 0;
    QString captionSkin_;
    int captionWidth_ = 0;
};
