#include "platform/raster/TGraphic.h"

#include "core/TFileStream.h"
#include "core/Text.h"
#include "platform/raster/GraphicErrors.h"

void TGraphic::CopyTo(TGraphic& destination) const {
    destination.AssignError(this);
}

void TGraphic::CopyFrom(const TGraphic* source) {
    if (source == nullptr) AssignError(nullptr);
    source->CopyTo(*this);
}

void TGraphic::AssignError(const TGraphic* source) const {
    const std::string sourceName = source != nullptr ? source->ClassName() : "nil";
    throw EConvertError(
        Format("Cannot assign a %s to a %s", sourceName.c_str(), ClassName().c_str()));
}

void TGraphic::ReadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, TFileStream::Mode::OpenRead);
    ReadFromStream(stream);
}

void TGraphic::WriteToFile(const std::string& fileName) {
    TFileStream stream(fileName, TFileStream::Mode::Create);
    WriteToStream(stream);
}

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Changed() const {
    if (OnChange) OnChange();
}
