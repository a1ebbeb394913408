#pragma once

#include <QGroupBox>

#include "skin/TsCommonData.h"

// A group box whose children are placed from its top-left corner. Its own font is the
// caption's; children that should not share it carry fonts of their own.
class TsGroupBox : public QGroupBox {
public:
    explicit TsGroupBox(const QString& caption, QWidget* parent = nullptr);

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;
};
