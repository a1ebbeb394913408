#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "ModalDriver.h"
#include "OutputTestSupport.h"
#include "core/Exception.h"
#include "output/ImageOutput.h"
#include "output/TsSavePictureDialog.h"
#include "platform/raster/TPicture.h"
#include "png/TPNGObject.h"
#include "qr/QrTestTools.h"

namespace {

struct ExtensionCase {
    std::string typed;
    std::string saved;
};

TEST(WithPngExtensionTest, AppendsPngUnlessTheLastComponentEndsInPngOfAnyCase) {
    const ExtensionCase cases[] = {
        {"qr", "qr.png"},
        {"qr.PNG", "qr.PNG"},
        {"qr.Png", "qr.Png"},
        {"qr.gif", "qr.gif.png"},
        {"qr.png.txt", "qr.png.txt.png"},
        {"qr.", "qr..png"},
        {"/tmp/codes.d/qr", "/tmp/codes.d/qr.png"},
        {"/tmp/codes.png/qr", "/tmp/codes.png/qr.png"},
        {"/tmp/.png", "/tmp/.png"},
        {"/tmp/qr.pngx", "/tmp/qr.pngx.png"},
    };
    for (const ExtensionCase& extensionCase : cases)
        EXPECT_EQ(WithPngExtension(extensionCase.typed), extensionCase.saved)
            << extensionCase.typed;
}

TEST(NameFiltersTest, BracketsThePatternOnlyWhenTheDescriptionLacksIt) {
    EXPECT_EQ(TsSavePictureDialog::NameFilters("Portable Network Graphics (*.png)|*.png"),
              QStringList{"Portable Network Graphics (*.png)"});
    EXPECT_EQ(
        TsSavePictureDialog::NameFilters("Bitmaps|*.bmp|Portable Network Graphics (*.png)|*.png"),
        (QStringList{"Bitmaps (*.bmp)", "Portable Network Graphics (*.png)"}));
}

// What the save dialog looked like when it came up.
struct SeenSaveDialog {
    QStringList nameFilters;
    QString shownName;
    bool nativeDialog = true;
    bool confirmsOverwrite = true;
    bool sizeGrip = false;
    QString defaultSuffix;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
};

// Answers the next save dialog by typing the name into its name field and pressing Enter, or
// by pressing Esc when the name is empty.
std::unique_ptr<ModalDriver> AnswerSaveDialog(const QString& name,
                                              std::vector<SeenSaveDialog>& seen) {
    return std::make_unique<ModalDriver>([name, &seen](QWidget& window) {
        auto* dialog = qobject_cast<QFileDialog*>(&window);
        ASSERT_NE(dialog, nullptr) << "a file dialog";
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr) << "a dialog of its own drawing with a name field";
        seen.push_back({dialog->nameFilters(), edit->text(),
                        !dialog->testOption(QFileDialog::DontUseNativeDialog),
                        !dialog->testOption(QFileDialog::DontConfirmOverwrite),
                        dialog->isSizeGripEnabled(), dialog->defaultSuffix(),
                        dialog->acceptMode()});
        if (name.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Escape);
            return;
        }
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

class SaveImageTest : public ::testing::Test {
protected:
    std::string InFolder(const char* name) const {
        return folder_.filePath(QString::fromUtf8(name)).toStdString();
    }
    ShowWarningFunction Warnings() {
        return [this](const std::string& text) { warnings_.push_back(text); };
    }

    QTemporaryDir folder_;
    TsSavePictureDialog dialog_;
    std::vector<std::string> warnings_;
    std::vector<SeenSaveDialog> seen_;
};

TEST_F(SaveImageTest, WithoutAPictureWarnsAndShowsNoDialog) {
    const auto driver = AnswerSaveDialog(QStringLiteral("never"), seen_);
    TPicture nothing;
    SaveImage(nothing, dialog_, Warnings());
    TPicture emptyPng;
    TPNGObject empty;
    emptyPng.Assign(&empty);
    SaveImage(emptyPng, dialog_, Warnings());
    EXPECT_EQ(warnings_, (std::vector<std::string>{kNoPictureWarning, kNoPictureWarning}));
    EXPECT_EQ(warnings_[0], "Firstly please generate a QR code!\r\n");
    QTest::qWait(50);
    EXPECT_EQ(driver->Answered(), 0);
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

TEST_F(SaveImageTest, TheDialogOffersOnlyPngAndAsksNothingBeforeReplacing) {
    const auto picture = PictureOf(TestPictureNamed("gray8").png);
    const auto driver = AnswerSaveDialog(QString::fromStdString(InFolder("qr")), seen_);
    SaveImage(*picture, dialog_, Warnings());
    ASSERT_EQ(seen_.size(), 1U);
    EXPECT_EQ(seen_[0].nameFilters, QStringList{"Portable Network Graphics (*.png)"});
    EXPECT_FALSE(seen_[0].nativeDialog);
    EXPECT_FALSE(seen_[0].confirmsOverwrite);
    EXPECT_TRUE(seen_[0].sizeGrip);
    EXPECT_TRUE(seen_[0].defaultSuffix.isEmpty());
    EXPECT_EQ(seen_[0].acceptMode, QFileDialog::AcceptSave);
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(SaveImageTest, WritesAFreshPngOfThePictureUnderTheExtensionRule) {
    struct Case {
        const char* source;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {"gray1", "qr", "qr.png"},
        {"palette8", "qr.PNG", "qr.PNG"},
        {"rgba", "qr.gif", "qr.gif.png"},
        {"rgb", "deep.png", "deep.png"},
    };
    for (const Case& saveCase : cases) {
        const TestPicture source = TestPictureNamed(saveCase.source);
        const auto picture = PictureOf(source.png);
        const auto driver =
            AnswerSaveDialog(QString::fromStdString(InFolder(saveCase.typed)), seen_);
        SaveImage(*picture, dialog_, Warnings());
        const std::string written = InFolder(saveCase.written);
        const std::string bytes = FileBytes(written);
        ASSERT_TRUE(IsPng(bytes)) << saveCase.source << " -> " << written;
        const auto header = ReadPngHeader(bytes);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->width, static_cast<std::uint32_t>(picture->Width()));
        EXPECT_EQ(header->height, static_cast<std::uint32_t>(picture->Height()));
        EXPECT_EQ(ImageDifference(QImage::fromData(QByteArray::fromStdString(bytes)), source.image),
                  "")
            << saveCase.source;
        EXPECT_NE(bytes, source.png) << "a fresh encoding, not a copy";
    }
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 4);
}

TEST_F(SaveImageTest, ReplacesAnExistingFileWithoutAQuestionAndOffersTheLastNameAgain) {
    const std::string target = InFolder("old.png");
    std::ofstream(target) << "an older file, longer than the picture will be? no, but not a PNG";
    const auto picture = PictureOf(TestPictureNamed("palette8").png);
    {
        const auto driver = AnswerSaveDialog(QString::fromStdString(target), seen_);
        SaveImage(*picture, dialog_, Warnings());
        QTest::qWait(50);
        EXPECT_EQ(driver->Answered(), 1) << "no question after the dialog";
    }
    EXPECT_TRUE(IsPng(FileBytes(target)));
    {
        const auto driver = AnswerSaveDialog(QString(), seen_);
        SaveImage(*picture, dialog_, Warnings());
    }
    ASSERT_EQ(seen_.size(), 2U);
    EXPECT_EQ(seen_[1].shownName, QStringLiteral("old.png"));
    EXPECT_EQ(dialog_.FileName(), target) << "a cancelled dialog keeps the last choice";
}

TEST_F(SaveImageTest, CancellingWritesNothing) {
    const auto picture = PictureOf(TestPictureNamed("gray8").png);
    const auto driver = AnswerSaveDialog(QString(), seen_);
    SaveImage(*picture, dialog_, Warnings());
    EXPECT_EQ(seen_.size(), 1U);
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(SaveImageTest, AFileThatCannotBeCreatedRaisesTheFileLayersError) {
    const auto picture = PictureOf(TestPictureNamed("gray8").png);
    const std::string missing = InFolder("no-such-folder") + "/qr";
    const auto driver = AnswerSaveDialog(QString::fromStdString(missing), seen_);
    try {
        SaveImage(*picture, dialog_, Warnings());
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot create file \"" + missing + ".png\". No such file or directory");
    }
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

}  // namespace
