#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Stream.h"
#include "platform/raster/TCanvas.h"
#include "platform/raster/TDeviceBitmap.h"
#include "platform/raster/TPalette.h"
#include "platform/raster/TRect.h"

// The platform's clipboard format of a device bitmap.
inline constexpr std::uint16_t CF_BITMAP = 2;

// One clipboard item as the framework exchanges it: the format, a data handle the receiver
// owns (a device bitmap for CF_BITMAP) and a palette handle, or none.
struct TClipboardBitmap {
    std::uint16_t format = 0;
    TBitmapHandle data;
    std::shared_ptr<TPalette> palette;
};

// The abstract graphic of the picture framework: a picture of some format that knows its
// size, draws itself onto a canvas, copies itself to and from other graphics, and moves
// through streams, files and the clipboard. Pictures of every format (bitmaps, PNG) derive
// from it, so that a picture container or an image control handles them alike.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    // The class name the framework's messages use ("TBitmap", "TPNGObject").
    virtual std::string ClassName() const = 0;
    // A new, empty graphic of the same class.
    virtual std::unique_ptr<TGraphic> NewSameKind() const = 0;

    // Makes destination a copy of this graphic. The default knows no other class and raises
    // EConvertError "Cannot assign a <this class> to a <destination class>".
    virtual void CopyTo(TGraphic& destination) const;
    // Makes this graphic a copy of source. The default asks the source to copy itself here;
    // a null source raises EConvertError "Cannot assign a nil to a <this class>".
    virtual void CopyFrom(const TGraphic* source);

    // Draws the picture scaled into the rectangle of the canvas.
    virtual void PaintTo(TCanvas& canvas, const TRect& rect) const = 0;
    virtual bool IsEmpty() const = 0;
    virtual std::int32_t PixelHeight() const = 0;
    virtual const TPalette* CurrentPalette() const { return nullptr; }
    virtual bool IsTransparent() const { return transparent_; }
    virtual std::int32_t PixelWidth() const = 0;
    virtual void ChangeHeight(std::int32_t height) = 0;
    virtual void ReplacePalette(std::unique_ptr<TPalette>) {}
    virtual void ChangeWidth(std::int32_t width) = 0;

    // Open or create the file and hand it to ReadFromStream / WriteToStream.
    virtual void ReadFromFile(const std::string& fileName);
    virtual void WriteToFile(const std::string& fileName);
    virtual void ReadFromStream(TStream& stream) = 0;
    virtual void WriteToStream(TStream& stream) = 0;
    virtual void ImportClipboardBitmap(const TClipboardBitmap& item) = 0;
    virtual TClipboardBitmap ExportClipboardBitmap() const = 0;

    // The framework's property faces of the operations above.
    std::int32_t Width() const { return PixelWidth(); }
    std::int32_t Height() const { return PixelHeight(); }
    bool Empty() const { return IsEmpty(); }
    bool Transparent() const { return IsTransparent(); }
    // Sets the flag the default IsTransparent answers; formats with their own notion of
    // transparency may ignore it.
    void SetTransparent(bool transparent);

    std::function<void()> OnChange;

protected:
    TGraphic() = default;
    void Changed() const;
    // Raises the framework's EConvertError for a copy from source (nullptr: "nil") to this.
    [[noreturn]] void AssignError(const TGraphic* source) const;

    bool transparent_ = false;
};
