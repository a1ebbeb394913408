// A skinned button's cached face against a button built afresh in the same place: every
// change that alters what the face shows (caption, icon, enabling, size, the skin's colours,
// the parent's face behind a see-through child) must show on the next paint, exactly as a new
// control would paint it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include "skin/TsButton.h"
#include "skin/TsPanel.h"
#include "skin/TsSkinManager.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"

namespace {

QImage Shot(QWidget& control) {
    QApplication::processEvents();
    return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The columns where any pixel differs from the caption-free face: where the caption lies.
std::pair<int, int> CaptionColumns(const QImage& face, const QImage& blank) {
    int first = face.width(), last = -1;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) != blank.pixel(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

class FaceCacheTest : public ::testing::Test {
protected:
    std::unique_ptr<TsSkinManager> manager;
    QWidget form;

    void SetUp() override {
        manager = std::make_unique<TsSkinManager>();
        manager->BeginLoading();
        manager->InternalSkins.push_back(BuiltInStoredSkin());
        manager->SetSkinName(skin::kInternalSkinName);
        manager->EndLoading();
        form.resize(400, 200);
    }

    // A button of that caption and size at (10, 10) of the form, skinned and shown; it takes
    // no focus, so that every button compared is in the normal state.
    TsButton* Button(const QString& caption, QSize size = QSize(140, 40)) {
        auto* button = new TsButton(caption, &form);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(QRect(QPoint(10, 10), size));
        manager->UpdateSkin(false);
        form.show();
        // A child added to a shown form stays hidden until shown itself; grabbing a hidden one
        // delivers its move and resize again every time, which would hide stale faces.
        button->show();
        QApplication::processEvents();
        return button;
    }

    QImage Fresh(const QString& caption, QSize size = QSize(140, 40), bool enabled = true) {
        TsButton* fresh = Button(caption, size);
        fresh->setEnabled(enabled);
        const QImage shot = Shot(*fresh);
        delete fresh;
        return shot;
    }
};

TEST_F(FaceCacheTest, ACaptionChangeRepaintsWithTheNewCaptionsFace) {
    const QImage blank = Fresh(QString());
    TsButton* button = Button(QStringLiteral("Go"));
    const QImage before = Shot(*button);
    const auto [shortFirst, shortLast] = CaptionColumns(before, blank);
    ASSERT_LE(shortFirst, shortLast) << "the caption shows";

    button->setText(QStringLiteral("Genarate QR code"));
    const QImage after = Shot(*button);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, Fresh(QStringLiteral("Genarate QR code")));
    const auto [longFirst, longLast] = CaptionColumns(after, blank);
    EXPECT_LT(longFirst, shortFirst) << "a longer caption reaches further out";
    EXPECT_GT(longLast, shortLast);
}

TEST_F(FaceCacheTest, EnablingResizingAndTheSkinsColoursRepaintToo) {
    TsButton* button = Button(QStringLiteral("Save"));
    const QImage enabled = Shot(*button);
    button->setEnabled(false);
    const QImage disabled = Shot(*button);
    EXPECT_NE(disabled, enabled);
    EXPECT_EQ(disabled, Fresh(QStringLiteral("Save"), QSize(140, 40), false));
    button->setEnabled(true);
    EXPECT_EQ(Shot(*button), enabled);

    button->resize(90, 30);
    EXPECT_EQ(Shot(*button), Fresh(QStringLiteral("Save"), QSize(90, 30)));
    button->resize(140, 40);

    // Another skin: a folder whose button is plain red.
    QTemporaryDir skins;
    ASSERT_TRUE(QDir(skins.path()).mkpath(QStringLiteral("Red")));
    QFile options(skins.filePath(QStringLiteral("Red/Options.dat")));
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    options.write("[GLOBALINFO]\r\nVERSION=7.6\r\n[BUTTON]\r\nCOLOR=255\r\n");
    options.close();
    manager->SetSkinDirectory(skins.path().toStdString());
    manager->SetSkinName("Red");
    ASSERT_EQ(manager->SkinName(), "Red");
    const QImage red = Shot(*button);
    EXPECT_EQ(red.pixel(70, 2), QColor(255, 0, 0).rgb());
    EXPECT_EQ(red, Fresh(QStringLiteral("Save")));
    manager->SetSkinName(skin::kInternalSkinName);
    EXPECT_EQ(Shot(*button), enabled);
}

TEST_F(FaceCacheTest, ChildrenOverAParentsFaceFollowItsChanges) {
    auto* panel = new TsPanel(&form);
    panel->setGeometry(0, 0, 300, 120);
    auto* child = new TsPanel(panel);
    child->SkinData.SetSkinSection(QStringLiteral("GROUPBOX"));
    child->setGeometry(20, 20, 100, 60);
    manager->UpdateSkin(false);
    form.show();
    // The panel's own colour, not in use while the skin paints it.
    QPalette palette = panel->palette();
    palette.setColor(panel->backgroundRole(), QColor(10, 200, 30));
    panel->setPalette(palette);
    const QImage before = Shot(*child);
    // The group box shows the panel through it: when the panel's face takes that colour, the
    // group box's cached face is out of date without any change of its own.
    panel->SkinData.CustomColor = true;
    panel->SkinData.Invalidate();
    Shot(*panel);
    const QImage after = Shot(*child);
    EXPECT_NE(after, before);
    EXPECT_EQ(after.pixel(50, 30), QColor(10, 200, 30).rgb());
}

}  // namespace
