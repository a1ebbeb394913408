// The skinned faces of the main window's controls as they reach the screen: the command
// buttons' icons from the window's image list, and the level list's line beside its
// drop-down button.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <optional>
#include <string>

#include "AppTestSupport.h"
#include "app/MainWindow.h"
#include "platform/raster/PixelView.h"
#include "skin/TsBitBtn.h"
#include "skin/TsButton.h"
#include "skin/TsComboBox.h"
#include "skin/TsDecimalSpinEdit.h"
#include "skin/paint/TsAlphaImageList.h"

namespace {

class ControlFacesTest : public ::testing::Test {
protected:
    void ShowForm() {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    TestInstallation installation{TestInstallation::GoodValues()};
    TMainForm form;
};

// The opaque pixels of an image of the list, as Qt colours (opaque, so premultiplying left
// them as they are).
struct OpaquePixel {
    QPoint at;
    QRgb colour;
};

std::vector<OpaquePixel> OpaquePixels(const TsAlphaImageList& list, int index) {
    const std::shared_ptr<TBitmap> picture = list.GetBitmap32(index);
    std::vector<OpaquePixel> pixels;
    if (!picture) return pixels;
    const raster::TPixelView view = raster::ViewOf(*picture->Handle());
    for (int y = 0; y < picture->PixelHeight(); ++y) {
        std::vector<std::uint32_t> row(static_cast<std::size_t>(picture->PixelWidth()));
        raster::ReadRow(view, static_cast<std::uint32_t>(y), 0,
                        static_cast<std::uint32_t>(row.size()), row.data());
        for (int x = 0; x < picture->PixelWidth(); ++x)
            if (row[static_cast<std::size_t>(x)] >> 24 == 0xFF)
                pixels.push_back({QPoint(x, y), row[static_cast<std::size_t>(x)]});
    }
    return pixels;
}

// Where the image lies in the shot with every opaque pixel in place, if anywhere.
std::optional<QPoint> FindImage(const QImage& shot, const std::vector<OpaquePixel>& pixels) {
    for (int top = 0; top + 24 <= shot.height(); ++top)
        for (int left = 0; left + 24 <= shot.width(); ++left) {
            bool all = true;
            for (const OpaquePixel& p : pixels)
                if ((shot.pixel(left + p.at.x(), top + p.at.y()) | 0xFF000000u) != p.colour) {
                    all = false;
                    break;
                }
            if (all) return QPoint(left, top);
        }
    return std::nullopt;
}

TEST_F(ControlFacesTest, EachCommandButtonShowsItsIconFromTheImageList) {
    ASSERT_NE(form.sAlphaImageList1, nullptr);
    const TsAlphaImageList& list = *form.sAlphaImageList1;
    ASSERT_EQ(list.Count(), 4u);
    for (int index = 0; index < 4; ++index) {
        const std::shared_ptr<TBitmap> picture = list.GetBitmap32(index);
        ASSERT_NE(picture, nullptr) << index;
        EXPECT_EQ(picture->PixelWidth(), 24);
        EXPECT_EQ(picture->PixelHeight(), 24);
        // Enough opaque pixels that finding them all by chance is out of the question.
        EXPECT_GT(OpaquePixels(list, index).size(), 40u) << index;
    }
    EXPECT_EQ(list.GetBitmap32(4), nullptr);

    form.ShowVideoTutorial();
    ShowForm();
    struct Button {
        QPushButton* control;
        int index;
    };
    const Button buttons[] = {{form.sBitBtnGenerate, 0},
                              {form.sBitBtnSaveQRImage, 1},
                              {form.sButtonURLShorten, 2},
                              {form.sBitBtnVideoTutorial, 3}};
    EXPECT_EQ(form.sBitBtnGenerate->ImageIndex(), 0);
    EXPECT_EQ(form.sBitBtnSaveQRImage->ImageIndex(), 1);
    EXPECT_EQ(form.sButtonURLShorten->ImageIndex(), 2);
    EXPECT_EQ(form.sBitBtnVideoTutorial->ImageIndex(), 3);
    const QImage window = form.grab().toImage();
    for (const Button& button : buttons) {
        const QRect place(button.control->mapTo(&form, QPoint(0, 0)), button.control->size());
        const QImage shot = window.copy(place);
        const auto found = FindImage(shot, OpaquePixels(list, button.index));
        ASSERT_TRUE(found.has_value()) << button.control->objectName().toStdString();
        // Vertically centred, left of the caption.
        EXPECT_EQ(found->y(), (place.height() - 24) / 2);
        EXPECT_LT(found->x(), place.width() / 3);
        for (const Button& other : buttons) {
            if (other.index != button.index) {
                EXPECT_FALSE(FindImage(shot, OpaquePixels(list, other.index)).has_value());
            }
        }
    }

    // Disabled, the icon is faded into the face: its opaque pixels are gone.
    form.sBitBtnGenerate->setEnabled(false);
    const QImage disabled = form.sBitBtnGenerate->grab().toImage();
    EXPECT_FALSE(FindImage(disabled, OpaquePixels(list, 0)).has_value());
}

// Columns of the shot with a pixel brighter than the field's dark background and the
// button's arrow: the text's.
std::vector<int> TextColumns(const QImage& shot, const QRect& area) {
    std::vector<int> columns;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (qGray(shot.pixel(x, y)) > 90) {
                columns.push_back(x);
                break;
            }
    return columns;
}

TEST_F(ControlFacesTest, TheLevelListsLineStopsShortOfItsDropDownButton) {
    ShowForm();
    TsComboBox& combo = *form.sComboBoxCorrection;
    const QRect button = combo.ButtonRect();
    const QRect text = combo.TextRect();
    EXPECT_EQ(button.right(), combo.width() - 2);
    EXPECT_EQ(button.width(), 17);
    EXPECT_LT(text.right(), button.left());

    combo.SetItemIndex(-1);
    const QImage empty = combo.grab().toImage();
    combo.addItem(
        QStringLiteral("W - a line far too long for the level list to show in full, "
                       "however wide its font"));
    combo.SetItemIndex(combo.count() - 1);
    const QImage longLine = combo.grab().toImage();

    // The button and the strip between it and the line look as with no line at all.
    const QRect kept(text.right() + 1, 0, combo.width() - text.right() - 1, combo.height());
    EXPECT_EQ(longLine.copy(kept), empty.copy(kept));
    // The line fills its area up to its end, where the ellipsis stands.
    const std::vector<int> columns = TextColumns(longLine, text);
    ASSERT_FALSE(columns.empty());
    EXPECT_LE(columns.back(), text.right());
    EXPECT_GE(columns.back(), text.right() - 12);
    EXPECT_TRUE(TextColumns(empty, text).empty());
    // The button shows the skin's arrow picture.
    EXPECT_FALSE(TextColumns(empty, button).empty());
}

TEST_F(ControlFacesTest, SpinButtonsShowTheSkinsArrowUpAndDown) {
    ShowForm();
    TsDecimalSpinEdit& field = *form.sDecimalSpinEditWdth;
    const QImage shot = field.grab().toImage();
    const QVector<QRect> buttons = field.ButtonRects();
    ASSERT_EQ(buttons.size(), 2);
    const QImage up = shot.copy(buttons[0]), down = shot.copy(buttons[1]);
    ASSERT_EQ(up.size(), down.size());
    EXPECT_FALSE(TextColumns(up, up.rect()).empty());
    // One picture, mirrored: the lower arrow's rows are the upper one's upside down. Only the
    // middle columns count: the arrow's soft ends and the buttons' borders lie over faces
    // that are not mirrored.
    const auto arrow = [](const QImage& image, bool upsideDown) {
        std::vector<std::string> rows;
        for (int y = 0; y < image.height(); ++y) {
            std::string row;
            for (int x = 3; x < image.width() - 3; ++x)
                row += qGray(image.pixel(x, y)) > 140 ? '#' : '.';
            rows.push_back(row);
        }
        if (upsideDown) std::reverse(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(arrow(down, true), arrow(up, false));
    EXPECT_NE(arrow(down, false), arrow(up, false));
}

}  // namespace
