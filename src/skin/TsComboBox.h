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

    TsCommonData SkinData;
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A part of the box as the style lays it out (a QStyle::SubControl).
    QRect SubRect(int part) const;

    bool selectingFromCode_ = false;
    int itemHeight_ = 15;
};
