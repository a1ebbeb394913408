#include "skin/data/TacSkinConvertor.h"

#include "core/Text.h"

void TacSkinConvertor::Clear() {
    while (!Images.empty()) Images.pop_back();
    ImageCount = 0;
    Options.reset();
    Source.reset();
}

const TacImageItem* TacSkinConvertor::FindImage(const std::string& name) const {
    const std::string wanted = UpperCase(name);
    for (const TacImageItem& item : Images) {
        if (UpperCase(item.Name) == wanted) return &item;
    }
    return nullptr;
}
