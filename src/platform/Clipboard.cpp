#include "platform/Clipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <mutex>

#include "core/Exception.h"
#include "platform/BitmapImage.h"

namespace {

std::mutex openerLock;
ClipboardOpener clipboardOpener;

QClipboard* OpenClipboard() {
    ClipboardOpener opener;
    {
        std::lock_guard guard(openerLock);
        opener = clipboardOpener;
    }
    if (opener) return opener();
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::clipboard()
               : nullptr;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) return {};
    return bytes;
}

}  // namespace

void SetClipboardOpener(ClipboardOpener opener) {
    std::lock_guard guard(openerLock);
    clipboardOpener = std::move(opener);
}

QMimeData* ImageMimeData(const QImage& image) {
    auto* data = new QMimeData;
    data->setImageData(image);
    for (const char* format : {"PNG", "BMP"}) {
        const QByteArray bytes = Encoded(image, format);
        if (!bytes.isEmpty())
            data->setData(QStringLiteral("image/") + QString::fromLatin1(format).toLower(), bytes);
    }
    return data;
}

void PutImageOnClipboard(const QImage& image) {
    QClipboard* clipboard = OpenClipboard();
    if (clipboard == nullptr) throw Exception("Cannot open clipboard");
    if (image.isNull()) throw Exception("The clipboard bitmap is empty");
    // Setting new data replaces everything the clipboard held, which empties it first.
    clipboard->setMimeData(ImageMimeData(image), QClipboard::Clipboard);
}

void PutBitmapOnClipboard(const TClipboardBitmap& item) {
    if (item.format != CF_BITMAP || !item.data) throw Exception("Unsupported clipboard format");
    PutImageOnClipboard(ImageOfBitmap(*item.data));
}
