#include "QrSymbol.h"

#include <cerrno>
#include <memory>

#include "ChartError.h"

namespace {

// ECI 26 names UTF-8 in the assignment register that QR readers follow.
constexpr unsigned kUtf8Eci = 26;

struct QrCodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

struct QrInputDeleter {
    void operator()(QRinput* input) const { QRinput_free(input); }
};

EChartError EncoderFailed() {
    return EChartError(500, "The QR symbol could not be encoded.");
}

}  // namespace

QrSymbol QrSymbol::Encode(std::string_view data, QRecLevel level, bool designateUtf8) {
    // One byte-mode segment keeps every byte as sent; the string entry points would pick
    // numeric or kanji modes and stop at a NUL. Version 0 lets the encoder size the symbol
    // for the whole input, ECI header included; past version 40 it fails with ERANGE. Below
    // version 40 it reserves two bytes more for the header than the header takes, so a text
    // within two bytes of a version's room gets the next version: larger, never wrong.
    const std::unique_ptr<QRinput, QrInputDeleter> input(QRinput_new2(0, level));
    if (!input) throw EncoderFailed();
    if (designateUtf8 && QRinput_appendECIheader(input.get(), kUtf8Eci) != 0) {
        throw EncoderFailed();
    }
    if (QRinput_append(input.get(), QR_MODE_8, static_cast<int>(data.size()),
                       reinterpret_cast<const unsigned char*>(data.data())) != 0) {
        throw EncoderFailed();
    }
    errno = 0;
    const std::unique_ptr<QRcode, QrCodeDeleter> code(QRcode_encodeInput(input.get()));
    if (!code) {
        if (errno == ERANGE) {
            throw EChartError(400, "The text is too long for a QR symbol at this level.");
        }
        throw EncoderFailed();
    }
    const int size = code->width;
    std::vector<bool> modules(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < modules.size(); ++i) {
        // Bit 0 of each module byte is its colour; the other bits say what part it belongs to.
        modules[i] = (code->data[i] & 1) != 0;
    }
    return QrSymbol(size, std::move(modules));
}
