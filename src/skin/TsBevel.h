#pragma once

#include <QWidget>

#include "skin/TsCommonData.h"

// A decorative frame drawn around a part of a form: a ridge when raised, a groove when
// lowered. It takes no mouse input, so the controls laid over it get their clicks.
class TsBevel : public QWidget {
public:
    enum class Style { Lowered, Raised };

    explicit TsBevel(QWidget* parent = nullptr, Style style = Style::Lowered);

    Style BevelStyle() const { return style_; }
    void SetBevelStyle(Style style);

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Style style_;
};
