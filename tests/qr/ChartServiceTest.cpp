// The stand-in chart service, as the built binary on loopback: its pictures must scan back
// to exactly the text sent, in every PNG form and at every level.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ChartServiceProcess.h"
#include "QrTestTools.h"
#include "qr/ChartRequest.h"

namespace {

const std::string kAccented =
    "Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
    "e, na\xC3\xAFve \xE2\x82\xAC 5";
const std::string kLineBreaks = "first line\r\nsecond line\r\n\r\nlast";

// 1,000 characters of mixed text that stays within the service's request length limit.
std::string ThousandCharacters() {
    std::string text;
    const std::string words = "Vexmora QR 2026 (test) chart-service_ok! ";
    while (text.size() < 1000) text += words;
    text.resize(999);
    return text + "\xC3\xA9";  // 999 ASCII characters and one accented letter: 1,000 characters
}

std::string ChartTarget(const std::string& text, int width, int height, char level) {
    return "/chart?chs=" + std::to_string(width) + "x" + std::to_string(height) +
           "&cht=qr&chld=" + level + "&chl=" + FormEncode(text) + "&chof=png";
}

std::string GetPng(const ChartServiceProcess& service, const std::string& target) {
    const HttpReply reply = HttpGet(service.Address(target));
    EXPECT_EQ(reply.status, 200) << reply.body;
    EXPECT_EQ(reply.contentType, "image/png");
    EXPECT_TRUE(IsPng(reply.body));
    return reply.body;
}

// Texts in the scripts people type, each with bytes of 0x80 and above.
const struct {
    const char* script;
    std::string text;
} kNonAsciiTexts[] = {
    {"accented Latin", "Grüße, ünïcödé €"},
    {"Greek", "Καλημέρα κόσμε"},
    {"Cyrillic", "Съешь же ещё этих мягких французских булок"},
    {"CJK", "二维码生成器 テスト 한국어"},
    {"emoji", "QR 🎉🚀 ✔ done"},
};

// A picture the service wrote before it labelled UTF-8 text, kept in tests/qr/data.
std::string PictureFromBefore(const std::string& name) {
    std::ifstream file(std::string(VEXMORA_SOURCE_DIR) + "/tests/qr/data/chart-before/" + name,
                       std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The requests behind those pictures.
struct PictureFromBeforeRequest {
    const char* file;
    std::string target;
};

std::vector<PictureFromBeforeRequest> PicturesFromBefore() {
    std::string longText;
    while (longText.size() < 300) longText += "Vexmora keeps ASCII symbols as they were. ";
    longText.resize(300);
    return {
        {"ascii-L.png", "/chart?chs=200x200&cht=qr&chld=L&chl=Hello+World&chof=png"},
        {"ascii-M.png",
         "/chart?chs=250x230&cht=qr&chld=M&chl=https%3A%2F%2Fexample.org%2Fvexmora%3Fx%3D1%26y%3D2"
         "&chof=png"},
        {"ascii-Q.png", "/chart?chs=540x540&cht=qr&chld=Q&chl=0123456789012345&chof=png"},
        {"ascii-H.png",
         "/chart?chs=400x400&cht=qr&chld=H%7C2&chl=" + FormEncode(longText) + "&chof=png"},
    };
}

}  // namespace

TEST(ChartService, EveryLevelScansBackToTheText) {
    ChartServiceProcess service;
    for (const char level : {'L', 'M', 'Q', 'H'}) {
        for (const std::string& text :
             {std::string("Hello World"), kAccented, kLineBreaks, ThousandCharacters()}) {
            const std::string png = GetPng(service, ChartTarget(text, 540, 540, level));
            EXPECT_EQ(ScanQr(png), text) << "level " << level << ", " << text.size() << " bytes";
        }
    }
}

TEST(ChartService, EveryPngFormScansBackToTheText) {
    const struct {
        const char* name;
        int bitDepth;
        int colourType;
    } forms[] = {
        {"gray1", 1, 0},    {"gray2", 2, 0},    {"gray4", 4, 0},    {"gray8", 8, 0},
        {"gray16", 16, 0},  {"graya8", 8, 4},   {"graya16", 16, 4}, {"palette1", 1, 3},
        {"palette2", 2, 3}, {"palette4", 4, 3}, {"palette", 8, 3},  {"rgb", 8, 2},
        {"rgb16", 16, 2},   {"rgba", 8, 6},     {"rgba16", 16, 6},
    };
    for (const auto& form : forms) {
        for (const bool interlaced : {false, true}) {
            const std::string name = std::string(form.name) + (interlaced ? "-interlaced" : "");
            ChartServiceProcess service({"--format", name});
            const std::string png = GetPng(service, ChartTarget(kAccented, 250, 230, 'Q'));
            const auto header = ReadPngHeader(png);
            ASSERT_TRUE(header) << name;
            EXPECT_EQ(header->width, 250u) << name;
            EXPECT_EQ(header->height, 230u) << name;
            EXPECT_EQ(header->bitDepth, form.bitDepth) << name;
            EXPECT_EQ(header->colourType, form.colourType) << name;
            EXPECT_EQ(header->interlace, interlaced ? 1 : 0) << name;
            EXPECT_EQ(ScanQr(png), kAccented) << name;
        }
    }
}

TEST(ChartService, InterlaceFlagAppliesToTheChosenForm) {
    ChartServiceProcess service({"--format", "rgb", "--interlace"});
    const std::string png = GetPng(service, ChartTarget("flag", 120, 120, 'L'));
    const auto header = ReadPngHeader(png);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->colourType, 2);
    EXPECT_EQ(header->interlace, 1);
    EXPECT_EQ(ScanQr(png), "flag");
}

TEST(ChartService, BytesAreSentInByteModeAsTheyAre) {
    // Digits alone would be packed in numeric mode by a mode-picking encoder; NUL would end a
    // C string. Both must come back as sent.
    ChartServiceProcess service;
    const std::string digits = "0123456789012345";
    EXPECT_EQ(ScanQr(GetPng(service, ChartTarget(digits, 200, 200, 'M'))), digits);
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(ScanQr(GetPng(service, ChartTarget(withNul, 200, 200, 'M'))), withNul);
    EXPECT_EQ(ScanQr(GetPng(service, "/chart?chl=a%2bb+c%7e&chs=200x200&cht=qr")), "a+b c~");
}

TEST(ChartService, PicturesHaveExactlyTheRequestedSize) {
    ChartServiceProcess service;
    const struct {
        int width, height;
    } sizes[] = {{100, 100},  {540, 100},  {100, 540}, {199, 201},
                 {1000, 300}, {300, 1000}, {547, 548}};
    for (const auto& size : sizes) {
        const auto header =
            ReadPngHeader(GetPng(service, ChartTarget("size", size.width, size.height, 'H')));
        ASSERT_TRUE(header);
        EXPECT_EQ(header->width, static_cast<std::uint32_t>(size.width));
        EXPECT_EQ(header->height, static_cast<std::uint32_t>(size.height));
    }
}

TEST(ChartService, ModulesAreTheLargestWholeSquaresCentred) {
    ChartServiceProcess service;
    // "Hello World" at M is a version 1 symbol: 21 modules, 29 with the quiet zone. In
    // 200 x 150 pixels each module is 5 pixels: 145 pixels, centred at (27, 2).
    const auto picture = DecodeGray(GetPng(service, ChartTarget("Hello World", 200, 150, 'M')));
    ASSERT_TRUE(picture);
    const int scale = 5;
    const int left = (200 - 29 * scale) / 2 + 4 * scale;
    const int top = (150 - 29 * scale) / 2 + 4 * scale;
    int darkLeft = 200, darkRight = -1, darkTop = 150, darkBottom = -1;
    for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
            if (!picture->IsDark(x, y)) continue;
            darkLeft = std::min(darkLeft, x);
            darkRight = std::max(darkRight, x);
            darkTop = std::min(darkTop, y);
            darkBottom = std::max(darkBottom, y);
        }
    }
    EXPECT_EQ(darkLeft, left);
    EXPECT_EQ(darkTop, top);
    EXPECT_EQ(darkRight, left + 21 * scale - 1);
    EXPECT_EQ(darkBottom, top + 21 * scale - 1);
    // The finder pattern's outer ring is one module thick: dark for 5 pixels, then light.
    for (int i = 0; i < scale; ++i) EXPECT_TRUE(picture->IsDark(left + 3 * scale, top + i));
    EXPECT_FALSE(picture->IsDark(left + 3 * scale, top + scale));
}

TEST(ChartService, TooSmallPictureGrowsToHoldSymbolAndMargin) {
    ChartServiceProcess service;
    // Version 1 with the default margin needs 29 pixels; with margin 1, 23.
    const struct {
        std::string chld;
        int width, height;
        std::uint32_t expectedWidth, expectedHeight;
    } cases[] = {
        {"M", 20, 20, 29, 29}, {"M", 28, 500, 29, 500},   {"M", 29, 29, 29, 29},
        {"M", 1, 1, 29, 29},   {"M%7C1", 22, 40, 23, 40}, {"M|0", 10, 10, 21, 21},
    };
    for (const auto& c : cases) {
        const std::string png = GetPng(service, "/chart?chs=" + std::to_string(c.width) + "x" +
                                                    std::to_string(c.height) +
                                                    "&cht=qr&chld=" + c.chld + "&chl=Hello+World");
        const auto header = ReadPngHeader(png);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->width, c.expectedWidth) << c.chld << " " << c.width << "x" << c.height;
        EXPECT_EQ(header->height, c.expectedHeight) << c.chld << " " << c.width << "x" << c.height;
        if (c.chld != "M|0") {
            EXPECT_EQ(ScanQr(png), "Hello World") << c.chld << " " << c.width;
        }
    }
}

TEST(ChartService, NonAsciiTextReadsBackWithoutReaderOptions) {
    // Plain zbarimg, as a phone's reader would: without the UTF-8 label it guesses Shift-JIS.
    ChartServiceProcess service;
    for (const char level : {'L', 'M', 'Q', 'H'}) {
        for (const auto& sample : kNonAsciiTexts) {
            const std::string png = GetPng(service, ChartTarget(sample.text, 300, 300, level));
            EXPECT_EQ(ScanQrAsText(png), sample.text) << "level " << level << ", " << sample.script;
            EXPECT_EQ(ScanQr(png), sample.text) << "level " << level << ", " << sample.script;
        }
    }
}

TEST(ChartService, AsciiPicturesStayByteForByteAsBefore) {
    for (const char* eci : {"auto", "never"}) {
        ChartServiceProcess service({"--eci", eci});
        for (const auto& before : PicturesFromBefore()) {
            const std::string expected = PictureFromBefore(before.file);
            ASSERT_TRUE(IsPng(expected)) << before.file;
            EXPECT_TRUE(GetPng(service, before.target) == expected) << eci << " " << before.file;
        }
    }
}

TEST(ChartService, EciNeverGivesTheUnlabelledSymbols) {
    ChartServiceProcess never({"--eci", "never"});
    ChartServiceProcess automatic;
    const std::string text = kNonAsciiTexts[0].text;
    const std::string target = ChartTarget(text, 300, 300, 'M');
    const std::string unlabelled = GetPng(never, target);
    EXPECT_TRUE(unlabelled == PictureFromBefore("utf8-M-no-eci.png"));
    EXPECT_EQ(ScanQr(unlabelled), text);
    EXPECT_NE(ScanQrAsText(unlabelled), text);
    EXPECT_FALSE(GetPng(automatic, target) == unlabelled);
    // Bytes that are not UTF-8 go out unlabelled under either setting.
    const std::string latin1 = ChartTarget("caf\xE9 cr\xE8me", 300, 300, 'M');
    const std::string bytesPicture = GetPng(automatic, latin1);
    EXPECT_TRUE(bytesPicture == GetPng(never, latin1));
    EXPECT_EQ(ScanQr(bytesPicture), "caf\xE9 cr\xE8me");
}
