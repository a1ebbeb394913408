#include "output/ImageOutput.h"

#include "core/Text.h"
#include "output/TsSavePictureDialog.h"
#include "platform/Clipboard.h"
#include "platform/raster/TPicture.h"

bool HasPicture(const TPicture& picture) {
    return picture.Graphic() != nullptr && picture.Width() > 0 && picture.Height() > 0;
}

std::string WithPngExtension(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    const auto dot = fileName.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    if (hasExtension && LowerCase(fileName.substr(dot)) == ".png") return fileName;
    return fileName + ".png";
}

void SaveImage(const TPicture& picture, TsSavePictureDialog& dialog,
               const ShowWarningFunction& showWarning) {
    if (!HasPicture(picture)) {
        showWarning(kNoPictureWarning);
        return;
    }
    if (!dialog.Execute()) return;
    picture.Graphic()->WriteToFile(WithPngExtension(dialog.FileName()));
}

void CopyImage(const TPicture& picture, const ShowWarningFunction& showWarning) {
    if (!HasPicture(picture)) {
        showWarning(kNoPictureWarning);
        return;
    }
    PutBitmapOnClipboard(picture.Graphic()->ExportClipboardBitmap());
}
