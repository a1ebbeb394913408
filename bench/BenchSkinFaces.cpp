// The skin painter beside Qt: a 140 x 40 BUTTON face of the internal skin in its hot state
// (gradient and nine-slice border mask, no text) beside QLinearGradient plus qDrawBorderPixmap
// drawing the same picture; one step of a cached-face fade (the blend alone) and its share of
// the 10 ms timer; and a full repaint of the main window's client area. Prints the ratios.
#include <benchmark/benchmark.h>
#include <qdrawutil.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>

#include "CpuTimeReporter.h"
#include "app/MainWindow.h"
#include "skin/QtFace.h"
#include "skin/data/SkinLoading.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ButtonFace.h"
#include "skin/paint/ConstIndexCache.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/TsFadeAnimation.h"

namespace {

constexpr int kWidth = 140, kHeight = 40;

struct TFixture {
    std::unique_ptr<TsSkinContent> skin = skin::LoadInternalSkin();
    TsFaceBinding binding;
    BackgroundInfo behind;
    QPixmap cell;
    QMargins margins;
    QLinearGradient gradient{0, 0, 0, kHeight};

    TFixture() {
        BuildConstIndexCache(*skin);
        binding.Skin = skin.get();
        binding.SectionIndex = skin->SectionIndex("BUTTON");
        behind.BgType = BackgroundInfo::PlainColor;
        behind.Color = 3092271;
        const TsGeneralData& section =
            skin->GeneralData[static_cast<std::size_t>(binding.SectionIndex)];
        const TsMaskData& mask = skin->Masks[static_cast<std::size_t>(section.BorderIndex)];
        // The hot cell with its mask row turned into alpha, as Qt would be handed it.
        const int cw = mask.CellWidth(), ch = mask.CellHeight();
        QImage image(cw, ch, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < ch; ++y) {
            const auto picture = skin::ReadPixelWords(
                *skin->MasterBitmap, static_cast<std::uint32_t>(mask.SourceRect.top + y),
                static_cast<std::uint32_t>(mask.SourceRect.left + cw),
                static_cast<std::uint32_t>(cw));
            const auto maskRow = skin::ReadPixelWords(
                *skin->MasterBitmap, static_cast<std::uint32_t>(mask.SourceRect.top + ch + y),
                static_cast<std::uint32_t>(mask.SourceRect.left + cw),
                static_cast<std::uint32_t>(cw));
            for (int x = 0; x < cw; ++x) {
                const int alpha =
                    255 - static_cast<int>(maskRow[static_cast<std::size_t>(x)] & 0xFF);
                const QRgb c = picture[static_cast<std::size_t>(x)];
                image.setPixel(x, y, qPremultiply(qRgba(qRed(c), qGreen(c), qBlue(c), alpha)));
            }
        }
        cell = QPixmap::fromImage(image);
        margins = QMargins(mask.MarginLeft, mask.MarginTop, mask.MarginRight, mask.MarginBottom);
        const TsGradArray& hot = section.Props[1].GradientArray;
        double at = 0;
        for (const TsGradStep& step : hot) {
            gradient.setColorAt(at, ToQColor(static_cast<TColor>(step[0])));
            at = std::min(1.0, at + step[2] / 100.0);
            gradient.setColorAt(at, ToQColor(static_cast<TColor>(step[1])));
        }
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

void BM_SkinButtonFace(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        auto face =
            PaintButtonFace(f.binding, f.behind, kWidth, kHeight, 1, TsButtonContent{}, nullptr);
        benchmark::DoNotOptimize(face.get());
    }
}

void BM_QtButtonFace(benchmark::State& state) {
    TFixture& f = Fixture();
    for (auto _ : state) {
        QImage face(kWidth, kHeight, QImage::Format_RGB32);
        QPainter painter(&face);
        painter.fillRect(face.rect(), f.gradient);
        qDrawBorderPixmap(&painter, face.rect(), f.margins, f.cell);
        painter.end();
        benchmark::DoNotOptimize(face.bits());
    }
}

void BM_FadeStep(benchmark::State& state) {
    TFixture& f = Fixture();
    auto from =
        PaintButtonFace(f.binding, f.behind, kWidth, kHeight, 0, TsButtonContent{}, nullptr);
    auto to = PaintButtonFace(f.binding, f.behind, kWidth, kHeight, 1, TsButtonContent{}, nullptr);
    TsFadeAnimation fade;
    for (auto _ : state) {
        if (!fade.Running()) fade.Start(from, 10, false);
        auto frame = fade.Tick([&] { return to; });
        benchmark::DoNotOptimize(frame.get());
    }
}

// The main window with an installation of its own, so that it starts without a message.
void BM_ClientRepaint(benchmark::State& state) {
    static QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Orvanti"));
    QFile store(folder.filePath(QStringLiteral("Orvanti/Vexmora.reg")));
    if (store.open(QIODevice::WriteOnly))
        store.write(
            "Windows Registry Editor Version "
            "5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\r\n"
            "\"Version\"=\"1.0\"\r\n\"Website\"=\"http://localhost:1/\"\r\n");
    store.close();
    qputenv("XDG_CONFIG_DIRS", folder.path().toLocal8Bit());
    TMainForm::UpdateCheckStarter() = nullptr;
    TMainForm form;
    form.show();
    QApplication::processEvents();
    QWidget* client = form.centralWidget();
    QImage target(client->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        client->render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}

BENCHMARK(BM_SkinButtonFace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtButtonFace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FadeStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClientRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    TCpuTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& t = reporter.times;
    if (t.count("BM_SkinButtonFace") && t.count("BM_QtButtonFace"))
        std::printf("BUTTON face 140x40: %.1f us, Qt %.1f us: %.2fx Qt (target: within 1.5x)\n",
                    t.at("BM_SkinButtonFace"), t.at("BM_QtButtonFace"),
                    t.at("BM_SkinButtonFace") / t.at("BM_QtButtonFace"));
    if (t.count("BM_FadeStep"))
        std::printf("fade step: %.1f us every 10 ms: %.2f%% of one core while fading (10 steps)\n",
                    t.at("BM_FadeStep"), t.at("BM_FadeStep") / 10000.0 * 100.0);
    if (t.count("BM_ClientRepaint"))
        std::printf("client area repaint: %.3f ms (target: under 2 ms)\n",
                    t.at("BM_ClientRepaint") / 1000.0);
    benchmark::Shutdown();
    return 0;
}
