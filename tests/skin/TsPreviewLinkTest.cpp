// The preview link against a fake skin editor over a real local socket, switching the skin
// of a real manager. The editor runs on its own thread with blocking reads; the test's thread
// runs the event loop the link lives on.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

#include "common/PreviewEditor.h"
#include "skin/PreviewFrame.h"
#include "skin/TsPreviewLink.h"
#include "skin/TsSkinManager.h"
#include "skin/data/SkinLoading.h"

namespace {

namespace fs = std::filesystem;

// A bound on waits only: every test ends as soon as both ends are done.
constexpr int kWaitMs = 30000;

class PreviewLinkTest : public ::testing::Test {
protected:
    fs::path root = fs::temp_directory_path() / ("vexmora-preview-" + std::to_string(::getpid()));
    fs::path skins = root / "skins";
    std::string socketPath = (root / preview::kEditorTitle).string();
    std::vector<std::string> errors;
    std::unique_ptr<TsSkinManager> manager;
    QWidget form;

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(skins / "Mine");
        std::ofstream(skins / "Mine" / "Options.dat") << "[GLOBALINFO]\nVERSION=7.5\n";
        TsSkinManager::ErrorBox() = [this](const std::string& m) { errors.push_back(m); };
        manager = std::make_unique<TsSkinManager>();
        manager->BeginLoading();
        manager->InternalSkins.push_back(BuiltInStoredSkin());
        manager->SetSkinDirectory(skin::SkinDirectory());
        manager->SetSkinName(skin::kInternalSkinName);
        manager->EndLoading();
    }
    void TearDown() override { fs::remove_all(root); }

    // Starts the link and runs the editor's side to its end while the event loop turns.
    template <class Script>
    auto Run(PreviewEditor& editor, TsPreviewLink& link, Script script) {
        auto done = std::async(std::launch::async, [&] {
            EXPECT_TRUE(editor.Accept(kWaitMs));
            return script();
        });
        link.Start();
        const bool finished = QTest::qWaitFor(
            [&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            kWaitMs);
        EXPECT_TRUE(finished);
        return done.get();
    }

    std::vector<std::uint8_t> Transfer(const std::string& name, const std::string& options) {
        return preview::EncodeTransfer({name, skins.string(), options});
    }

    void ExpectInternalSkin() {
        EXPECT_EQ(manager->SkinName(), skin::kInternalSkinName);
        EXPECT_EQ(manager->SkinInfo(), "7.6");
    }
};

TEST_F(PreviewLinkTest, AnEditorSayingYesAtTheHundredAndFirstHelloGetsItsSkinApplied) {
    PreviewEditor editor(socketPath);
    auto* link = new TsPreviewLink(form, *manager, socketPath);
    const auto answer = Run(editor, *link, [&]() -> std::optional<std::uint32_t> {
        for (int i = 0; i < 100; ++i) {
            if (!editor.ReadHello(kWaitMs)) return std::nullopt;
            editor.SendAnswer(0);
        }
        const auto window = editor.ReadHello(kWaitMs);
        EXPECT_EQ(window, static_cast<std::uint64_t>(form.winId()));
        editor.SendAnswer(preview::kAccepted);
        // The handed-over text stands in for the folder's own file.
        editor.Send(Transfer("Mine", "[GLOBALINFO]\nVERSION=7.4\n"));
        return editor.ReadAnswer(kWaitMs);
    });
    EXPECT_EQ(answer, preview::kAccepted);
    EXPECT_EQ(link->HellosSent(), 101);
    EXPECT_EQ(link->TransfersApplied(), 1);
    EXPECT_EQ(manager->SkinName(), "Mine");
    EXPECT_EQ(manager->SkinInfo(), "7.4");
    EXPECT_EQ(manager->SkinDirectory(), skins.string());
    EXPECT_FALSE(manager->Packed());
    EXPECT_TRUE(errors.empty());
}

TEST_F(PreviewLinkTest, AnEditorThatNeverSaysYesGetsAHundredAndOneHellos) {
    PreviewEditor editor(socketPath);
    auto* link = new TsPreviewLink(form, *manager, socketPath);
    const int hellos = Run(editor, *link, [&] {
        int count = 0;
        while (editor.ReadHello(kWaitMs)) {
            ++count;
            editor.SendAnswer(count % 2 == 0 ? 0 : 2);
        }
        return count;
    });
    EXPECT_EQ(hellos, preview::kMaxHellos);
    EXPECT_TRUE(link->Closed());
    EXPECT_FALSE(link->Accepted());
}

TEST_F(PreviewLinkTest, AnyFrameButAnExactTransferClosesTheLinkAndKeepsTheSkin) {
    const auto good = Transfer("Mine", "");
    auto shortBlock = good;  // the header announces one byte less, and so many follow
    shortBlock[4] -= 1;
    shortBlock.pop_back();
    auto longBlock = good;
    longBlock[4] += 1;
    longBlock.push_back(0);
    auto wrongWParam = good;
    wrongWParam[0] = 8;
    auto wrongCommand = good;
    wrongCommand[preview::kTransferHeaderBytes + 1] = 0xA5;
    auto longName = good;
    for (std::size_t i = 0; i < preview::kNameBytes; ++i)
        longName[preview::kTransferHeaderBytes + preview::kNameOffset + i] = 'n';
    const std::vector<std::uint8_t> hello(preview::kHelloBytes, 0);
    for (const auto& frame : {shortBlock, longBlock, wrongWParam, wrongCommand, longName, hello}) {
        PreviewEditor editor(socketPath);
        auto* link = new TsPreviewLink(form, *manager, socketPath);
        const bool closed = Run(editor, *link, [&] {
            if (!editor.ReadHello(kWaitMs)) return false;
            editor.SendAnswer(preview::kAccepted);
            editor.Send(frame);
            return editor.WaitForClose(kWaitMs);
        });
        EXPECT_TRUE(closed) << frame.size();
        EXPECT_TRUE(link->Closed());
        EXPECT_EQ(link->TransfersApplied(), 0);
        ExpectInternalSkin();
        delete link;
    }
}

TEST_F(PreviewLinkTest, NamesThatArePathsAreRefusedAndTheLinkStaysOpen) {
    fs::create_directories(root / "outside");
    std::ofstream(root / "outside" / "Options.dat") << "[GLOBALINFO]\nVERSION=7.1\n";
    PreviewEditor editor(socketPath);
    auto* link = new TsPreviewLink(form, *manager, socketPath);
    const auto answers = Run(editor, *link, [&] {
        std::vector<std::optional<std::uint32_t>> got;
        if (!editor.ReadHello(kWaitMs)) return got;
        editor.SendAnswer(preview::kAccepted);
        const std::vector<std::string> names{
            "../outside",         "..",      (root / "outside").string(),
            "Mine/../../outside", "Missing", "Mine"};
        for (const std::string& name : names) {
            editor.Send(Transfer(name, ""));
            got.push_back(editor.ReadAnswer(kWaitMs));
        }
        return got;
    });
    // A missing skin falls back to the internal one: not what the editor asked for.
    const std::vector<std::optional<std::uint32_t>> expected{0, 0, 0, 0, 0, 1};
    EXPECT_EQ(answers, expected);
    EXPECT_EQ(manager->SkinName(), "Mine");
    EXPECT_EQ(manager->SkinInfo(), "7.5");
    EXPECT_FALSE(link->Closed());
}

TEST_F(PreviewLinkTest, ASocketOthersMayWriteToIsNotTalkedTo) {
    PreviewEditor editor(socketPath);
    ASSERT_EQ(::chmod(socketPath.c_str(), 0666), 0);
    TsPreviewLink link(form, *manager, socketPath);
    link.Start();
    EXPECT_TRUE(link.Closed());
    EXPECT_EQ(link.HellosSent(), 0);

    TsPreviewLink nobody(form, *manager, (root / "absent").string());
    nobody.Start();
    EXPECT_TRUE(nobody.Closed());
}

}  // namespace
