// The skin manager over real skin packages and folders in a temporary data folder, and its
// broadcast through real widgets.
#include <gtest/gtest.h>

#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/raster/HueSaturation.h"
#include "skin/QtFace.h"
#include "skin/ResolveSkinDirectory.h"
#include "skin/SkinSwitches.h"
#include "skin/TsButton.h"
#include "skin/TsPanel.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPackage.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Text(const std::string& text) {
    return {text.begin(), text.end()};
}

class SkinManagerTest : public ::testing::Test {
protected:
    fs::path home = fs::temp_directory_path() / ("vexmora-skins-" + std::to_string(::getpid()));
    std::vector<std::string> errors;

    void SetUp() override {
        fs::remove_all(home);
        ::setenv("XDG_DATA_HOME", home.c_str(), 1);
        TsSkinManager::ErrorBox() = [this](const std::string& message) {
            errors.push_back(message);
        };
    }
    void TearDown() override { fs::remove_all(home); }

    fs::path Skins() const { return fs::path(skin::SkinDirectory()); }

    // A manager as the main window's form data sets it up.
    std::unique_ptr<TsSkinManager> Manager(const std::string& name = skin::kInternalSkinName) {
        auto manager = std::make_unique<TsSkinManager>();
        manager->BeginLoading();
        manager->InternalSkins.push_back(BuiltInStoredSkin());
        manager->SetSkinDirectory(skin::SkinDirectory());
        manager->SetSkinName(name);
        manager->EndLoading();
        return manager;
    }
};

TEST_F(SkinManagerTest, PackageComesBeforeFolderBeforeTheInternalSkin) {
    WriteFile(Skins() / "Mine" / "Options.dat",
              Text("[GLOBALINFO]\nVERSION=7.5\n[PANEL]\nCOLOR=255\n"));
    const auto package = skin::InternalSkinPackage();
    WriteFile(Skins() / "Mine.asz", {package.begin(), package.end()});
    auto manager = Manager("Mine");
    EXPECT_EQ(manager->SkinName(), "Mine");
    EXPECT_TRUE(manager->Packed());
    EXPECT_EQ(manager->SkinInfo(), "7.6");

    fs::remove(Skins() / "Mine.asz");
    manager->SetSkinName("Mine");
    EXPECT_FALSE(manager->Packed());
    EXPECT_EQ(manager->SkinInfo(), "7.5");
    EXPECT_EQ(manager->SkinFolderPath(), (Skins() / "Mine").string() + "/");

    fs::remove_all(Skins() / "Mine");
    manager->SetSkinName("Mine");
    // No package or folder of that name: the first internal skin, under its own name.
    EXPECT_EQ(manager->SkinName(), skin::kInternalSkinName);
    EXPECT_EQ(manager->SkinInfo(), "7.6");
    EXPECT_TRUE(errors.empty());
}

TEST_F(SkinManagerTest, APackageSuffixIsDroppedInAnyCase) {
    const auto package = skin::InternalSkinPackage();
    WriteFile(Skins() / "Other.asz", {package.begin(), package.end()});
    auto manager = Manager();
    manager->SetSkinName("Other.ASZ");
    EXPECT_EQ(manager->SkinName(), "Other");
    EXPECT_TRUE(manager->Packed());
    // Four characters or fewer are a name, not a suffix.
    manager->SetSkinName(".asz");
    EXPECT_EQ(manager->SkinName(), skin::kInternalSkinName);
}

TEST_F(SkinManagerTest, ADamagedPackageKeepsTheOldSkinAndShowsTheError) {
    auto manager = Manager();
    const TsSkinContent* before = manager->Content();
    ASSERT_NE(before, nullptr);
    WriteFile(Skins() / "Broken.asz", Text("ASzX and then nothing of use"));
    manager->SetSkinName("Broken");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], skin::kBadMagicMessage);
    EXPECT_EQ(manager->SkinName(), skin::kInternalSkinName);
    EXPECT_EQ(manager->Content(), before);
    EXPECT_GE(manager->GetSkinIndex("BUTTON"), 0);
}

TEST_F(SkinManagerTest, TheSkinDirectoryAloneDoesNotReload) {
    auto manager = Manager();
    int changes = 0, listChanges = 0;
    manager->OnAfterChange = [&] { ++changes; };
    manager->OnSkinListChanged = [&] { ++listChanges; };
    const TsSkinContent* before = manager->Content();
    WriteFile(fs::path(home) / "elsewhere" / (std::string(skin::kInternalSkinName) + ".asz"),
              Text("junk"));
    manager->SetSkinDirectory((fs::path(home) / "elsewhere").string());
    EXPECT_EQ(manager->Content(), before);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(listChanges, 1);
    // The next assignment uses it (and here finds a damaged package).
    manager->SetSkinName(skin::kInternalSkinName);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(changes, 1);
}

TEST_F(SkinManagerTest, NoSkinAtAllLeavesTheManagerInactive) {
    TsSkinManager manager;
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    manager.SetSkinName("Nothing");
    EXPECT_FALSE(manager.Active());
    EXPECT_EQ(manager.Content(), nullptr);
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(manager.Version(), "7.60");
}

// Counts the refresh commands each widget receives.
class CommandCounter : public QObject {
public:
    std::map<QObject*, int> counts;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == TsSkinCommandEvent::EventType() &&
            static_cast<TsSkinCommandEvent*>(event)->Command == CmdRefresh)
            ++counts[watched];
        return false;
    }
};

TEST_F(SkinManagerTest, TheBroadcastReachesNestedControlsExactlyOnce) {
    auto manager = Manager();
    QWidget form;
    auto* outer = new TsPanel(&form);
    auto* plain = new QWidget(outer);
    auto* inner = new TsPanel(plain);
    auto* button = new TsButton(QStringLiteral("Go"), inner);
    auto* loose = new TsButton(QStringLiteral("Loose"), &form);
    CommandCounter counter;
    for (QWidget* w : std::initializer_list<QWidget*>{outer, plain, inner, button, loose})
        w->installEventFilter(&counter);
    manager->UpdateSkin(false);
    for (QWidget* w : std::initializer_list<QWidget*>{outer, inner, button, loose})
        EXPECT_EQ(counter.counts[w], 1);
    EXPECT_EQ(counter.counts[plain], 0);
    // Skinned controls answer; the plain one does not.
    EXPECT_TRUE(IsSkinned(*inner));
    EXPECT_FALSE(IsSkinned(*plain));
    EXPECT_EQ(button->SkinData.SkinIndex(), manager->GetSkinIndex("BUTTON"));
    // A section the skin lacks unskins the control and gives its colours back.
    const QPalette before = outer->palette();
    outer->SkinData.SetSkinSection(QStringLiteral("nosuch"));
    EXPECT_EQ(outer->SkinData.SkinSection(), QStringLiteral("NOSUCH"));
    EXPECT_EQ(outer->SkinData.SkinIndex(), -1);
    EXPECT_NE(outer->palette().color(QPalette::Window), before.color(QPalette::Window));
    outer->SkinData.SetSkinSection(QString());
    EXPECT_EQ(outer->SkinData.SkinSection(), QStringLiteral("UNKNOWN"));
}

TEST_F(SkinManagerTest, HueAndSaturationReloadTheSkinTurnedAndZeroGivesItBack) {
    auto manager = Manager();
    QWidget form;
    auto* panel = new TsPanel(&form);
    manager->UpdateSkin(false);
    const auto colour = [&] {
        const int index = manager->GetSkinIndex("PANEL");
        return static_cast<TColor>(
            manager->Content()->GeneralData[static_cast<std::size_t>(index)].Props[0].Color);
    };
    const TColor loaded = colour();
    manager->SetHueOffset(120);
    EXPECT_EQ(colour(), ShiftHueSaturation(loaded, 120, 0));
    EXPECT_EQ(panel->palette().color(QPalette::Window), ToQColor(colour())) << "colours adopted";
    manager->SetSaturation(-50);
    EXPECT_EQ(colour(), ShiftHueSaturation(loaded, 120, -50)) << "from the source, not twice";
    manager->SetHueOffset(0);
    manager->SetSaturation(0);
    EXPECT_EQ(colour(), loaded);
    EXPECT_EQ(panel->palette().color(QPalette::Window), ToQColor(loaded));

    // Form data that names the skin before the hue: the end of loading applies the hue.
    auto late = std::make_unique<TsSkinManager>();
    late->BeginLoading();
    late->InternalSkins = manager->InternalSkins;
    late->SetSkinName(skin::kInternalSkinName);
    late->SetHueOffset(-90);
    late->EndLoading();
    const int index = late->GetSkinIndex("PANEL");
    EXPECT_EQ(static_cast<TColor>(
                  late->Content()->GeneralData[static_cast<std::size_t>(index)].Props[0].Color),
              ShiftHueSaturation(loaded, -90, 0));
}

TEST(SkinDirectoryTest, ResolvesAgainstTheProgramFolder) {
    EXPECT_EQ(ResolveSkinDirectory("../Skins", "/opt/App/Bin/"), "/opt/App/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("./Skins", "/opt/App/Bin/"), "/opt/App/Bin/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("Skins", "/opt/App/Bin/"), "/opt/App/Bin/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("/srv/skins/", "/opt/App/Bin/"), "/srv/skins/");
    EXPECT_EQ(ResolveSkinDirectory("/srv/skins\\", "/opt/App/Bin/"), "/srv/skins/");
    EXPECT_EQ(ResolveSkinDirectory("/srv/skins", "/opt/App/Bin/"), "/srv/skins/");
}

TEST(SkinSwitchesTest, SwitchesAreFoundInLowerCaseAndPreviewOnlyFirst) {
    const SkinSwitches all = SkinSwitches::Parse({"/ACPREVIEW", "/AcVer", "/actest"});
    EXPECT_TRUE(all.Preview);
    EXPECT_TRUE(all.ShowVersion);
    EXPECT_TRUE(all.Test);
    const SkinSwitches late = SkinSwitches::Parse({"x", "/acpreview"});
    EXPECT_FALSE(late.Preview);
    EXPECT_FALSE(late.ShowVersion);
}

}  // namespace
