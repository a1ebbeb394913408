#pragma once

#include <QWidget>
#include <vector>

#include "skin/TsCommonData.h"

class QSizeGrip;

// A status bar divided into panels of given widths, left to right. The last panel reaches to
// the right edge whatever its width says, as on the desktop platform. Controls placed on the
// bar are children like on any other container; a size grip sits in the bottom-right corner.
class TsStatusBar : public QWidget {
public:
    explicit TsStatusBar(QWidget* parent = nullptr);

    void SetPanelWidths(std::vector<int> widths);
    int PanelCount() const { return static_cast<int>(panelWidths_.size()); }
    int PanelWidth(int index) const { return panelWidths_.at(static_cast<std::size_t>(index)); }
    void SetPanelWidth(int index, int width);
    // Where the panel is drawn, in the bar's coordinates.
    QRect PanelRect(int index) const;

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintStandard();

    std::vector<int> panelWidths_;
    QSizeGrip* sizeGrip_ = nullptr;
};
