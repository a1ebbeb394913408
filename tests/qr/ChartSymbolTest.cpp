// The stand-in chart service's symbols, below its HTTP side: when a symbol says its text is
// UTF-8, how much room that takes, and that plain ASCII symbols stay as they always were.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ChartError.h"
#include "ChartPicture.h"
#include "PngWriter.h"
#include "QrSymbol.h"
#include "QrTestTools.h"
#include "Utf8Designator.h"

namespace {

struct LevelRoom {
    QRecLevel level;
    char letter;
    std::size_t version1Bytes;   // bytes version 1 holds without a header
    std::size_t version40Bytes;  // bytes version 40 holds without a header
};

// Byte-mode capacities from the QR standard's tables.
constexpr LevelRoom kLevels[] = {
    {QR_ECLEVEL_L, 'L', 17, 2953},
    {QR_ECLEVEL_M, 'M', 14, 2331},
    {QR_ECLEVEL_Q, 'Q', 11, 1663},
    {QR_ECLEVEL_H, 'H', 7, 1273},
};

// A text of exactly byteCount bytes: ASCII, or starting with the two bytes of "é".
std::string TextOfBytes(std::size_t byteCount, bool accented) {
    if (!accented) return std::string(byteCount, 'a');
    return "\xC3\xA9" + std::string(byteCount - 2, 'a');
}

std::string Render(const QrSymbol& symbol) {
    // Four pixels a module reads reliably even at version 40.
    const int side = (symbol.Size() + 8) * 4;
    return PngWriter::Write(ChartPicture::Draw(symbol, side, side, 4), PngForm{});
}

int StatusOfEncoding(const std::string& data, QRecLevel level, bool designateUtf8) {
    try {
        QrSymbol::Encode(data, level, designateUtf8);
        return 200;
    } catch (const EChartError& error) {
        return error.Status();
    }
}

struct QrCodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

TEST(Utf8Designator, WellFormedUtf8AsRfc3629DefinesIt) {
    const struct {
        const char* name;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"empty", "", true},
        {"ASCII with NUL", std::string("a\0b", 3), true},
        {"U+0080, lowest two-byte", "\xC2\x80", true},
        {"U+07FF, highest two-byte", "\xDF\xBF", true},
        {"U+0800, lowest three-byte", "\xE0\xA0\x80", true},
        {"U+D7FF, below the surrogates", "\xED\x9F\xBF", true},
        {"U+E000, above the surrogates", "\xEE\x80\x80", true},
        {"U+FFFF", "\xEF\xBF\xBF", true},
        {"U+10000, lowest four-byte", "\xF0\x90\x80\x80", true},
        {"U+10FFFF, highest code point", "\xF4\x8F\xBF\xBF", true},
        {"mixed scripts",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC \xF0\x9F\x8E\x89",
         true},
        {"lone continuation byte", "a\x80z", false},
        {"overlong NUL", "\xC0\x80", false},
        {"overlong two-byte C1", "\xC1\xBF", false},
        {"overlong three-byte", "\xE0\x9F\xBF", false},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF", false},
        {"surrogate U+D800", "\xED\xA0\x80", false},
        {"surrogate U+DFFF", "\xED\xBF\xBF", false},
        {"U+110000, above the last code point", "\xF4\x90\x80\x80", false},
        {"F5 lead byte", "\xF5\x80\x80\x80", false},
        {"FF byte", "\xFF", false},
        {"Latin-1 e acute", "caf\xE9", false},
        {"sequence cut at the end", "\xE2\x82", false},
        {"sequence cut by ASCII",
         "\xE2\x82"
         "a",
         false},
        {"four-byte cut by a new lead", "\xF0\x9F\x8E\xC3\xA9", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.name;
}

TEST(Utf8Designator, OnlyNonAsciiUtf8IsDesignated) {
    EXPECT_FALSE(DesignatesUtf8("Hello World", EciPolicy::Auto));
    EXPECT_FALSE(DesignatesUtf8(std::string("a\0\x7F", 3), EciPolicy::Auto));
    EXPECT_TRUE(DesignatesUtf8("caf\xC3\xA9", EciPolicy::Auto));
    EXPECT_FALSE(DesignatesUtf8("caf\xC3\xA9", EciPolicy::Never));
    // Bytes that are not UTF-8 are sent as they are, unlabelled.
    EXPECT_FALSE(DesignatesUtf8("caf\xE9", EciPolicy::Auto));
}

TEST(QrSymbolRoom, EveryLevelJustBelowAtAndAboveItsCapacity) {
    for (const LevelRoom& room : kLevels) {
        const std::size_t full = room.version40Bytes;
        // Without the header the level's full capacity fits and one byte more does not.
        EXPECT_EQ(QrSymbol::Encode(TextOfBytes(full, false), room.level, false).Version(), 40)
            << room.letter;
        EXPECT_EQ(StatusOfEncoding(TextOfBytes(full + 1, false), room.level, false), 400)
            << room.letter;
        // The header's twelve bits cost the last byte.
        const std::string justFits = TextOfBytes(full - 1, true);
        const QrSymbol symbol = QrSymbol::Encode(justFits, room.level, true);
        EXPECT_EQ(symbol.Version(), 40) << room.letter;
        EXPECT_EQ(ScanQrAsText(Render(symbol)), justFits) << room.letter;
        EXPECT_EQ(StatusOfEncoding(TextOfBytes(full, true), room.level, true), 400) << room.letter;
        // The same bytes unlabelled still fit: the header is what takes the room.
        EXPECT_EQ(StatusOfEncoding(TextOfBytes(full, true), room.level, false), 200) << room.letter;
    }
}

TEST(QrSymbolRoom, VersionChoiceCountsTheHeader) {
    for (const LevelRoom& room : kLevels) {
        const std::size_t full = room.version1Bytes;
        EXPECT_EQ(QrSymbol::Encode(TextOfBytes(full, false), room.level, false).Version(), 1);
        const std::string accented = TextOfBytes(full, true);
        EXPECT_EQ(QrSymbol::Encode(accented, room.level, false).Version(), 1) << room.letter;
        const QrSymbol labelled = QrSymbol::Encode(accented, room.level, true);
        EXPECT_EQ(labelled.Version(), 2) << room.letter;
        EXPECT_EQ(ScanQrAsText(Render(labelled)), accented) << room.letter;
        // Well inside version 1, the header still fits beside the text.
        const std::string shorter = TextOfBytes(full - 3, true);
        const QrSymbol small = QrSymbol::Encode(shorter, room.level, true);
        EXPECT_EQ(small.Version(), 1) << room.letter;
        EXPECT_EQ(ScanQrAsText(Render(small)), shorter) << room.letter;
    }
}

TEST(QrSymbolRoom, UnlabelledSymbolsAreTheEncodersPlainByteSymbols) {
    // The service once called the encoder's one-call byte entry point; symbols without a
    // header must stay module for module what that call gives.
    for (const LevelRoom& room : kLevels) {
        for (const std::size_t length : {std::size_t{1}, room.version1Bytes, room.version1Bytes + 1,
                                         std::size_t{100}, std::size_t{271}, room.version40Bytes}) {
            const std::string text = TextOfBytes(length, false);
            const std::unique_ptr<QRcode, QrCodeDeleter> expected(QRcode_encodeData(
                static_cast<int>(text.size()), reinterpret_cast<const unsigned char*>(text.data()),
                0, room.level));
            ASSERT_TRUE(expected);
            const QrSymbol symbol = QrSymbol::Encode(text, room.level, false);
            ASSERT_EQ(symbol.Size(), expected->width) << room.letter << " " << length;
            int differing = 0;
            for (int y = 0; y < symbol.Size(); ++y) {
                for (int x = 0; x < symbol.Size(); ++x) {
                    const bool dark = (expected->data[y * expected->width + x] & 1) != 0;
                    differing += symbol.IsDark(x, y) != dark ? 1 : 0;
                }
            }
            EXPECT_EQ(differing, 0) << room.letter << " " << length;
        }
    }
}
