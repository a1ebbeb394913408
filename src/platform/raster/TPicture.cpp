#include "platform/raster/TPicture.h"

#include <algorithm>
#include <mutex>

#include "core/Text.h"
#include "platform/raster/GraphicErrors.h"
#include "platform/raster/TBitmap.h"

namespace {

struct TFormatRegistry {
    std::mutex lock;
    std::vector<TPicture::TFileFormat> formats{
        {"BMP", "Bitmaps", "TBitmap", [] { return std::make_unique<TBitmap>(); }},
    };
};

TFormatRegistry& Registry() {
    static TFormatRegistry registry;
    return registry;
}

std::string ExtensionOf(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return fileName.substr(dot + 1);
}

}  // namespace

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  const std::string& className, TGraphicFactory create) {
    TFormatRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    registry.formats.insert(registry.formats.begin(), TFileFormat{UpperCase(extension), description,
                                                                  className, std::move(create)});
}

void TPicture::UnregisterGraphicClass(const std::string& className) {
    TFormatRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    std::erase_if(registry.formats, [&](const TFileFormat& f) { return f.className == className; });
}

std::vector<TPicture::TFileFormat> TPicture::FileFormats() {
    TFormatRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return registry.formats;
}

std::string TPicture::GraphicFilter() {
    std::string filter;
    auto formats = FileFormats();
    std::reverse(formats.begin(), formats.end());  // in registration order
    for (const TFileFormat& f : formats) {
        const std::string pattern = "*." + LowerCase(f.extension);
        if (!filter.empty()) filter += '|';
        filter += f.description + " (" + pattern + ")|" + pattern;
    }
    return filter;
}

void TPicture::Assign(const TGraphic* graphic) {
    if (graphic == nullptr) {
        SetGraphic(nullptr);
        return;
    }
    auto copy = graphic->NewSameKind();
    copy->CopyFrom(graphic);
    SetGraphic(std::move(copy));
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::LoadFromFile(const std::string& fileName) {
    const std::string extension = UpperCase(ExtensionOf(fileName));
    const auto formats = FileFormats();
    const auto found = std::find_if(formats.begin(), formats.end(),
                                    [&](const TFileFormat& f) { return f.extension == extension; });
    if (found == formats.end() || extension.empty()) {
        throw EInvalidGraphic(
            Format("Unknown picture file extension (.%s)", ExtensionOf(fileName).c_str()));
    }
    auto graphic = found->create();
    graphic->ReadFromFile(fileName);
    SetGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) const {
    if (graphic_) graphic_->WriteToFile(fileName);
}

void TPicture::Changed() {
    if (OnChange) OnChange();
}
