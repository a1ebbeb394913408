#pragma once

#include <QImage>
#include <functional>

#include "platform/raster/TGraphic.h"

class QClipboard;
class QMimeData;

// The system clipboard as the picture framework uses it: one bitmap at a time.
//
// Empties the clipboard and puts the bitmap on it, offered as an image and explicitly as
// "image/png" and "image/bmp", the forms X11 and Wayland programs ask for. Only CF_BITMAP
// items carry a picture; other items, and an empty bitmap, raise Exception. Raises Exception
// "Cannot open clipboard" when the clipboard cannot be had. The palette of an item is not
// placed: the desktop clipboard has no palette item, and the bitmap's own colours already
// say everything a receiver needs.
void PutBitmapOnClipboard(const TClipboardBitmap& item);

// The same for a Qt image; a null image raises Exception.
void PutImageOnClipboard(const QImage& image);

// The mime data PutImageOnClipboard offers.
QMimeData* ImageMimeData(const QImage& image);

// Where the clipboard is found: by default the application's clipboard, nothing when no GUI
// application runs. Tests install an opener that answers nothing to play a clipboard held by
// another program; an empty function restores the default.
using ClipboardOpener = std::function<QClipboard*()>;
void SetClipboardOpener(ClipboardOpener opener);
