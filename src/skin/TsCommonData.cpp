#include "skin/TsCommonData.h"

#include <QWidget>

namespace {

TsCommonData::Painter& CurrentPainter() {
    static TsCommonData::Painter painter;
    return painter;
}

}  // namespace

TsCommonData::TsCommonData(QWidget& control, QString section)
    : control_(control), section_(std::move(section)) {}

void TsCommonData::SetSkinSection(const QString& section) {
    if (section_ == section) return;
    section_ = section;
    control_.update();
}

bool TsCommonData::Paint(QPaintEvent* event) const {
    const Painter& painter = CurrentPainter();
    return painter && painter(control_, section_, event);
}

void TsCommonData::SetPainter(Painter painter) {
    CurrentPainter() = std::move(painter);
}
