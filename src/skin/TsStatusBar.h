#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "skin/TsCommonData.h"

class QPainter;
class QSizeGrip;

// A status bar divided into panels of given widths, left to right. The last panel reaches to
// the right edge whatever its width says, as on the desktop platform. Controls placed on the
// bar are children like on any other container; a size grip sits in the bottom-right corner.
// Under a skin the bar shows its section's face, the skin's panel picture or dividers and
// the skin's grip.
class TsStatusBar : public QWidget {
public:
    explicit TsStatusBar(QWidget* parent = nullptr);

    void SetPanelWidths(std::vector<int> widths);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    int PanelWidth(int index) const { return panels_.at(static_cast<std::size_t>(index)).Width; }
    void SetPanelWidth(int index, int width);
    void SetPanelText(int index, const QString& text);
    QString PanelText(int index) const;
    void SetPanelAlignment(int index, Qt::Alignment alignment);
    void SetPanelOwnerDraw(int index, bool ownerDraw);
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    // Where the panel is drawn, in the bar's coordinates.
    QRect PanelRect(int index) const;

    // Draws an owner-drawn panel: the bar's painter, the panel and its rectangle.
    std::function<void(QPainter&, int, const QRect&)> OnDrawPanel;

    TsCommonData SkinData;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct TsStatusPanel {
        int Width = 0;
        QString Text;
        Qt::Alignment Alignment = Qt::AlignLeft;
        bool OwnerDraw = false;
    };

    void PaintStandard();
    std::shared_ptr<TBitmap> BuildFace();
    void PanelsChanged();

    std::vector<TsStatusPanel> panels_;
    bool simplePanel_ = false;
    // The owner-drawn panels of the last face, drawn after it on every paint.
    std::vector<std::pair<int, QRect>> ownerDrawn_;
    QSizeGrip* sizeGrip_ = nullptr;
};
