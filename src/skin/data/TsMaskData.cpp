#include "skin/data/TsMaskData.h"

std::int32_t TsMaskData::CellWidth() const {
    if (StateCount == 0) return 0;
    return StateCount == 1 ? Width() : Width() / StateCount;
}

std::int32_t TsMaskData::CellHeight() const {
    return MaskLayout == 0 ? Height() : Height() / (MaskLayout + 1);
}
