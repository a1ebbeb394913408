// The generate command with real controls, against the built chart-service on loopback: what
// it shows must scan back to exactly the text typed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "ChartServiceProcess.h"
#include "QrTestTools.h"
#include "platform/TImage.h"
#include "png/PngErrors.h"
#include "qr/command/GenerateQrImage.h"
#include "qr/command/MemoText.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/TsMemo.h"

namespace {

const std::string kAccented =
    "Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
    "e \xE2\x82\xAC 5";

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The service writes its log line once the reply is out, a moment after the client has it.
bool LogMentions(const std::string& path, const std::string& needle) {
    for (int i = 0; i < 200; ++i) {
        if (FileText(path).find(needle) != std::string::npos) return true;
        QTest::qWait(10);
    }
    return false;
}

// The controls the command works on, laid out like the main window's, and what the command
// did with the window's own operations.
class GenerateCommandTest : public ::testing::Test {
protected:
    GenerateCommandTest() {
        window_.resize(700, 700);
        panel_ = new QWidget(&window_);
        panel_->setGeometry(0, 0, 232, 228);
        image_ = new TImage(panel_);
        image_->setGeometry(10, 10, 160, 160);
        memo_ = new TsMemo(&window_);
        memo_->setGeometry(12, 300, 300, 84);
        width_ = new TsDecimalSpinEdit(&window_);
        height_ = new TsDecimalSpinEdit(&window_);
        for (TsDecimalSpinEdit* field : {width_, height_}) {
            field->SetBounds(100, 540);
            field->SetValue(200);
        }
        width_->move(400, 10);
        height_->move(400, 40);
        level_ = new TsComboBox(&window_);
        level_->SetItems(
            {"L  - Recovery of up to 7% data loss", "M - Recovery of up to 15% data loss",
             "Q - Recovery of up to 25% data loss", "H - Recovery of up to 30% data loss"});
        level_->SetItemIndex(0);
        level_->move(400, 70);
        // The input-change rule of the window.
        memo_->OnChange = [this] { image_->Clear(); };
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
        width_->setFocus();
    }

    ~GenerateCommandTest() override { unsetenv("VEXMORA_CHART_HOST"); }

    void UseService(const ChartServiceProcess& service) {
        setenv("VEXMORA_CHART_HOST", service.HostPort().c_str(), 1);
    }

    TGenerateControls Controls() {
        return {*memo_,
                *width_,
                *height_,
                *level_,
                *image_,
                [this](const std::string& text) { statuses_.push_back(text); },
                [this] {
                    ++emptied_;
                    image_->Clear();
                },
                [this] { ++centred_; },
                [this](const std::string& text) { warnings_.push_back(text); },
                [this](const std::string& text) { messages_.push_back(text); }};
    }

    void Generate(const QString& typed) {
        memo_->SetText(typed);
        GenerateQrImage(Controls());
    }

    // The shown picture as a PNG file, for zbarimg.
    std::string ShownPng() const {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image_->RenderedPicture().save(&buffer, "PNG");
        return bytes.toStdString();
    }

    QWidget window_;
    QWidget* panel_;
    TImage* image_;
    TsMemo* memo_;
    TsDecimalSpinEdit* width_;
    TsDecimalSpinEdit* height_;
    TsComboBox* level_;
    std::vector<std::string> statuses_;
    std::vector<std::string> warnings_;
    std::vector<std::string> messages_;
    int emptied_ = 0;
    int centred_ = 0;
};

const std::vector<std::string> kStatusSetAndCleared{"Generating QR image...", ""};

TEST_F(GenerateCommandTest, ShowsThePictureTheServiceSentAtItsOwnSize) {
    ChartServiceProcess service;
    UseService(service);
    Generate(QStringLiteral("Hello QR"));
    ASSERT_TRUE(messages_.empty()) << messages_.front();
    const auto sent = ReadPngHeader(
        HttpGet(service.Address("/chart?chs=200x200&cht=qr&chld=L&chl=Hello+QR&chof=png")).body);
    ASSERT_TRUE(sent);
    EXPECT_EQ(image_->PictureWidth(), static_cast<int>(sent->width));
    EXPECT_EQ(image_->PictureHeight(), static_cast<int>(sent->height));
    EXPECT_EQ(image_->size(), QSize(image_->PictureWidth(), image_->PictureHeight()));
    EXPECT_EQ(image_->Graphic()->ClassName(), "TPNGObject") << "the picture keeps its class";
    EXPECT_EQ(centred_, 1);
    EXPECT_EQ(emptied_, 1);
    EXPECT_EQ(statuses_, kStatusSetAndCleared);
    EXPECT_TRUE(warnings_.empty());
    EXPECT_EQ(ScanQr(ShownPng()), "Hello QR");
}

TEST_F(GenerateCommandTest, SendsTheTrimmedTextAndShowsItTrimmed) {
    ChartServiceProcess service;
    UseService(service);
    Generate(QStringLiteral(" \t  blanks around \n\n "));
    EXPECT_EQ(memo_->Text(), "blanks around");
    EXPECT_EQ(ScanQr(ShownPng()), "blanks around");
    EXPECT_EQ(statuses_, kStatusSetAndCleared);
}

TEST_F(GenerateCommandTest, AccentsAndLineBreaksReachTheServiceAsUtf8AndCrLf) {
    const std::string log = std::string(VEXMORA_BINARY_DIR) + "/qr_command_requests.log";
    ChartServiceProcess service({"--verbose"}, log);
    UseService(service);
    level_->SetItemIndex(3);
    Generate(QString::fromStdString(kAccented) + "\nsecond line\n\nlast");
    ASSERT_TRUE(messages_.empty()) << messages_.front();
    EXPECT_EQ(ScanQr(ShownPng()), kAccented + "\r\nsecond line\r\n\r\nlast");
    EXPECT_EQ(memo_->Text(), QString::fromStdString(kAccented) + "\nsecond line\n\nlast")
        << "the editor's own breaks";
    EXPECT_TRUE(LogMentions(log, "&chld=H&chl=Caf%C3%A9+cr%C3%A8me")) << FileText(log);
    EXPECT_TRUE(LogMentions(log, "%0D%0Asecond+line%0D%0A%0D%0Alast&chof=png")) << FileText(log);
}

// Every blank outside ASCII, pasted between two letters through the clipboard, reaches the
// service as its own UTF-8 bytes: the editor's plain-text view would have turned the no-break
// space into a space and the line separator into a line break.
TEST_F(GenerateCommandTest, PastedNonAsciiBlanksReachTheServiceUnchanged) {
    const std::string log = std::string(VEXMORA_BINARY_DIR) + "/qr_command_blanks.log";
    ChartServiceProcess service({"--verbose"}, log);
    UseService(service);
    const char16_t blanks[] = {0x00A0, 0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004,
                               0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x2028,
                               0x202F, 0x205F, 0x3000, 0xFEFF, 0x180E, 0x200B};
    for (const char16_t blank : blanks) {
        const QString text = QStringLiteral("a") + QChar(blank) + QStringLiteral("b");
        memo_->clear();
        memo_->setFocus();
        QApplication::clipboard()->setText(text);
        memo_->paste();
        ASSERT_EQ(memo_->Text(), text) << std::hex << int(blank);
        GenerateQrImage(Controls());
        ASSERT_TRUE(warnings_.empty()) << warnings_.front();
        ASSERT_TRUE(messages_.empty()) << messages_.front();
        std::string encoded = "a";
        for (const unsigned char byte : QString(QChar(blank)).toUtf8().toStdString()) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            encoded += hex;
        }
        EXPECT_TRUE(LogMentions(log, "&chl=" + encoded + "b&chof=png"))
            << std::hex << int(blank) << FileText(log);
        EXPECT_EQ(ScanQr(ShownPng()), text.toStdString()) << std::hex << int(blank);
    }
    // A text of no-break spaces only is a text, not an empty field.
    memo_->clear();
    QApplication::clipboard()->setText(QString(3, QChar(0x00A0)));
    memo_->paste();
    GenerateQrImage(Controls());
    EXPECT_TRUE(warnings_.empty());
    EXPECT_TRUE(LogMentions(log, "&chl=%C2%A0%C2%A0%C2%A0&chof=png")) << FileText(log);
}

TEST_F(GenerateCommandTest, AsksForTheFieldSizesAndTakesTheSizeThatArrived) {
    const std::string log = std::string(VEXMORA_BINARY_DIR) + "/qr_command_sizes.log";
    ChartServiceProcess service({"--verbose", "--format", "palette"}, log);
    UseService(service);
    width_->SetValue(540);
    height_->SetValue(100);
    Generate(QStringLiteral("wide"));
    EXPECT_TRUE(LogMentions(log, "/chart?chs=540x100&cht=qr&chld=L&chl=wide&chof=png"))
        << FileText(log);
    const auto sent = ReadPngHeader(
        HttpGet(service.Address("/chart?chs=540x100&cht=qr&chld=L&chl=wide&chof=png")).body);
    ASSERT_TRUE(sent);
    EXPECT_EQ(image_->size(), QSize(static_cast<int>(sent->width), static_cast<int>(sent->height)));
    EXPECT_EQ(ScanQr(ShownPng()), "wide");
}

TEST_F(GenerateCommandTest, EveryPngFormTheServiceSendsIsShown) {
    for (const char* form : {"gray8", "rgb", "rgba", "gray2-interlaced", "graya16"}) {
        ChartServiceProcess service({"--format", form});
        UseService(service);
        Generate(QString::fromLatin1(form));
        EXPECT_TRUE(messages_.empty())
            << form << ": " << (messages_.empty() ? "" : messages_.back());
        EXPECT_EQ(ScanQr(ShownPng()), form);
    }
}

TEST_F(GenerateCommandTest, OnlyBlanksAndLineBreaksGiveTheWarningAndAnEmptyFocusedField) {
    Generate(QStringLiteral("  \n\t\r\n  "));
    EXPECT_EQ(warnings_, std::vector<std::string>{"Please enter some text into Data field!\r\n"});
    EXPECT_TRUE(memo_->Text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), memo_);
    EXPECT_EQ(statuses_, std::vector<std::string>{""}) << "only cleared";
    EXPECT_EQ(emptied_, 0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GenerateCommandTest, AStoppedServiceEndsSilentlyWithAnEmptyPicture) {
    ChartServiceProcess service;
    UseService(service);
    Generate(QStringLiteral("first"));
    ASSERT_FALSE(image_->PictureEmpty());
    service.Stop(SIGTERM);
    Generate(QStringLiteral("second"));
    EXPECT_TRUE(image_->PictureEmpty());
    EXPECT_EQ(image_->size(), QSize(image_->width(), image_->height()))
        << "the control keeps its size";
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(warnings_.empty());
    EXPECT_EQ(emptied_, 2);
    EXPECT_EQ(statuses_, (std::vector<std::string>{"Generating QR image...", "",
                                                   "Generating QR image...", ""}));
}

TEST_F(GenerateCommandTest, AnErrorPageIsReportedWithTheDecodersHeaderMessage) {
    ChartServiceProcess service;
    UseService(service);
    level_->SetItemIndex(3);
    // Too long for a QR symbol at level H: the service answers 400 with an HTML page.
    Generate(QString(1400, QLatin1Char('a')));
    EXPECT_EQ(messages_, std::vector<std::string>{EPNGInvalidFileHeader().Message()});
    EXPECT_TRUE(image_->PictureEmpty());
    EXPECT_EQ(statuses_, kStatusSetAndCleared);
}

TEST_F(GenerateCommandTest, NoLevelSelectedRequestsNothing) {
    const std::string log = std::string(VEXMORA_BINARY_DIR) + "/qr_command_nolevel.log";
    ChartServiceProcess service({"--verbose"}, log);
    UseService(service);
    level_->SetItemIndex(-1);
    Generate(QStringLiteral("no level"));
    EXPECT_TRUE(image_->PictureEmpty());
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(statuses_, kStatusSetAndCleared);
    EXPECT_EQ(FileText(log).find("/chart"), std::string::npos) << FileText(log);
}

}  // namespace
