#include "QrSymbol.h"

#include <cerrno>
#include <memory>

#include "ChartError.h"

namespace {

struct QrCodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QrSymbol QrSymbol::Encode(std::string_view data, QRecLevel level) {
    // The byte-mode entry point keeps every byte as sent; the string entry points would pick
    // numeric or kanji modes and stop at a NUL.
    errno = 0;
    const std::unique_ptr<QRcode, QrCodeDeleter> code(
        QRcode_encodeData(static_cast<int>(data.size()),
                          reinterpret_cast<const unsigned char*>(data.data()), 0, level));
    if (!code) {
        if (errno == ERANGE) {
            throw EChartError(400, "The text is too long for a QR symbol at this level.");
        }
        throw EChartError(500, "The QR symbol could not be encoded.");
    }
    const int size = code->width;
    std::vector<bool> modules(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < modules.size(); ++i) {
        // Bit 0 of each module byte is its colour; the other bits say what part it belongs to.
        modules[i] = (code->data[i] & 1) != 0;
    }
    return QrSymbol(size, std::move(modules));
}
