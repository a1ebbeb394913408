#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/raster/TGraphic.h"

// The picture container: holds one graphic of any registered class and picks the class for
// a file by its extension. The framework registers TBitmap for "BMP" ("Bitmaps"); picture
// formats register themselves when their module starts.
class TPicture {
public:
    using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

    struct TFileFormat {
        std::string extension;  // upper case, without the dot
        std::string description;
        std::string className;
        TGraphicFactory create;
    };

    // A later registration of the same extension takes precedence, as on the platform.
    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   const std::string& className, TGraphicFactory create);
    // Removes every extension registered for the class.
    static void UnregisterGraphicClass(const std::string& className);
    static std::vector<TFileFormat> FileFormats();
    // "Bitmaps (*.bmp)|*.bmp|Portable Network Graphics (*.png)|*.png" for the save dialog.
    static std::string GraphicFilter();

    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of the graphic (of the same class); nullptr empties the picture.
    void Assign(const TGraphic* graphic);
    void SetGraphic(std::unique_ptr<TGraphic> graphic);

    // Raises EInvalidGraphic "Unknown picture file extension (.ext)" for an unregistered
    // extension; errors of the graphic's reader pass on and leave the picture as it was.
    void LoadFromFile(const std::string& fileName);
    // Nothing happens when the picture is empty.
    void SaveToFile(const std::string& fileName) const;

    std::int32_t Width() const { return graphic_ ? graphic_->Width() : 0; }
    std::int32_t Height() const { return graphic_ ? graphic_->Height() : 0; }

    std::function<void()> OnChange;

private:
    void Changed();

    std::unique_ptr<TGraphic> graphic_;
};
