// Decode time of our PNG reader beside libpng and libspng on the same in-memory files, each
// decoding to its own native layout (ours: the device-independent bitmap; libpng and spng:
// the PNG's own sample layout), all with CRC checks. Ends with a table of ratios to libpng.
#include <benchmark/benchmark.h>
#include <spng.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>

#include "DecoderCorpus.h"
#include "LibpngReference.h"
#include "core/TMemoryStream.h"
#include "png/TPNGObject.h"

namespace {

void DecodeLibpng(const std::vector<std::uint8_t>& file, std::vector<std::uint8_t>& pixels) {
    libpngref::DecodeInto(file, pixels);
}

void DecodeSpng(const std::vector<std::uint8_t>& file, std::vector<std::uint8_t>& pixels) {
    spng_ctx* ctx = spng_ctx_new(0);
    spng_set_png_buffer(ctx, file.data(), file.size());
    std::size_t size = 0;
    if (spng_decoded_image_size(ctx, SPNG_FMT_PNG, &size) != 0) {
        spng_ctx_free(ctx);
        throw std::runtime_error("spng size failed");
    }
    pixels.resize(size);
    const int result = spng_decode_image(ctx, pixels.data(), size, SPNG_FMT_PNG, 0);
    spng_ctx_free(ctx);
    if (result != 0) throw std::runtime_error("spng decode failed");
}

void BenchOurs(benchmark::State& state, const bench::DecoderSample* sample) {
    TMemoryStream stream(sample->png);
    TPNGObject picture;
    for (auto _ : state) {
        stream.SetPosition(0);
        picture.ReadFromStream(stream);
        benchmark::DoNotOptimize(picture.RowAddress(0));
    }
}

void BenchLibpng(benchmark::State& state, const bench::DecoderSample* sample) {
    std::vector<std::uint8_t> pixels;
    for (auto _ : state) {
        DecodeLibpng(sample->png, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BenchSpng(benchmark::State& state, const bench::DecoderSample* sample) {
    std::vector<std::uint8_t> pixels;
    for (auto _ : state) {
        DecodeSpng(sample->png, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

// Keeps each run's CPU time per iteration (steadier than wall time on a shared machine) so
// the ratios can be printed after the usual output.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        std::printf("\nCPU milliseconds per decode\n%-14s %10s %10s %10s %14s %14s\n", "picture",
                    "ours cpu", "libpng cpu", "spng cpu", "ours/libpng", "spng/libpng");
        for (const auto& sample : bench::DecoderCorpus()) {
            const double ours = Time("decode/" + sample.name + "/ours");
            const double libpng = Time("decode/" + sample.name + "/libpng");
            const double spng = Time("decode/" + sample.name + "/spng");
            if (ours <= 0 || libpng <= 0) continue;
            std::printf("%-14s %10.2f %10.2f %10.2f %14.2f %14.2f\n", sample.name.c_str(), ours,
                        libpng, spng, ours / libpng, spng > 0 ? spng / libpng : 0.0);
        }
    }

private:
    double Time(const std::string& name) const {
        const auto found = times_.find(name);
        return found == times_.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    for (const auto& sample : bench::DecoderCorpus()) {
        benchmark::RegisterBenchmark(("decode/" + sample.name + "/ours").c_str(), BenchOurs,
                                     &sample)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("decode/" + sample.name + "/libpng").c_str(), BenchLibpng,
                                     &sample)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("decode/" + sample.name + "/spng").c_str(), BenchSpng,
                                     &sample)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
