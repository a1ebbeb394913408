#pragma once

#include <QComboBox>
#include <functional>

#include "skin/TsCommonData.h"

// A drop-down list without free text. OnChange reports only selections the user makes;
// selecting a line from code (SetItemIndex) stays silent.
class TsComboBox : public QComboBox {
public:
    explicit TsComboBox(QWidget* parent = nullptr);

    // Replaces the lines; afterwards no line is selected.
    void SetItems(const QStringList& items);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);

    // The height of one line in the dropped-down list.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    // The drop-down button inside the field's border, as wide as a scroll-bar arrow, and the
    // area of the chosen line: the rest of the field, which the line never leaves.
    QRect ButtonRect() const;
    QRect TextRect() const;

    TsCommonData SkinData;
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool selectingFromCode_ = false;
    int itemHeight_ = 15;
};
