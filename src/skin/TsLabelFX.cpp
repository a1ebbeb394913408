#include "skin/TsLabelFX.h"

TsLabelFX::TsLabelFX(const QString& caption, QWidget* parent) : TsLabel(caption, parent) {}
