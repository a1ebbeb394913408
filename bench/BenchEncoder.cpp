// Our encoder beside libpng on the same pictures with the same choices: level 7, the Sub
// filter on every row, 65535-byte IDAT chunks, one zlib stream with the default strategy.
// Reports time and output size of each and, at the end, the ratios.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>

#include "DecoderCorpus.h"
#include "LibpngReference.h"
#include "core/TMemoryStream.h"
#include "png/TPNGObject.h"

namespace {

constexpr int kLevel = 7;
constexpr std::size_t kIdatChunkSize = 65535;

using Bytes = std::vector<std::uint8_t>;

// A corpus picture as PNG sample rows (top row first), the input libpng encodes from.
struct RawImage {
    std::string name;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 8;
    std::uint8_t colorType = 0;
    bool interlaced = false;
    Bytes rows;
    Bytes palette;  // RGB triples
};

// The samples of a corpus file as stored. Our writer writes 16-bit samples with low byte 0,
// so libpng is given the same: both compress the same bytes.
RawImage DecodeCorpusFile(const std::string& name, const Bytes& file) {
    libpngref::Decoded decoded = libpngref::Decode(file);
    RawImage image;
    image.name = name;
    image.width = decoded.file.width;
    image.height = decoded.file.height;
    image.bitDepth = decoded.file.bitDepth;
    image.colorType = decoded.file.colorType;
    image.interlaced = decoded.file.interlace != PNG_INTERLACE_NONE;
    image.palette = decoded.file.palette;
    image.rows = std::move(decoded.rows);
    if (image.bitDepth == 16) {
        for (std::size_t i = 1; i < image.rows.size(); i += 2) image.rows[i] = 0;
    }
    return image;
}

// libpng with our encoder's choices.
Bytes EncodeWithLibpng(const RawImage& image, int level, int filters) {
    const libpngref::Source source{image.width,
                                   image.height,
                                   image.bitDepth,
                                   image.colorType,
                                   image.interlaced,
                                   image.rows,
                                   image.palette,
                                   {},
                                   0};
    return libpngref::Encode(source, [level, filters](png_structp png) {
        png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
        png_set_compression_level(png, level);
        png_set_compression_mem_level(png, 8);
        png_set_compression_window_bits(png, 15);
        png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
        png_set_compression_buffer_size(png, kIdatChunkSize);
    });
}

struct Subject {
    RawImage image;
    std::unique_ptr<TPNGObject> picture;
};

std::vector<Subject>& Subjects() {
    static std::vector<Subject> subjects = [] {
        std::vector<Subject> made;
        for (const bench::DecoderSample& sample : bench::DecoderCorpus()) {
            // Our picture is the decoded form of the file, as after reading it.
            TMemoryStream input(sample.png);
            auto picture = std::make_unique<TPNGObject>();
            picture->ReadFromStream(input);
            picture->DeflateLevel = kLevel;
            picture->RowFilters = rfSub;
            picture->SetIdatChunkSize(kIdatChunkSize);
            made.push_back({DecodeCorpusFile(sample.name, sample.png), std::move(picture)});
        }
        return made;
    }();
    return subjects;
}

// The same sink libpng writes into (a vector growing at its end), so that both encoders pay
// the same for their output.
class VectorSink : public TStream {
public:
    std::size_t Read(void*, std::size_t) override { return 0; }
    std::size_t Write(const void* buffer, std::size_t count) override {
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        bytes_.insert(bytes_.end(), bytes, bytes + count);
        return count;
    }
    std::int64_t Seek(std::int64_t, SeekOrigin) override {
        return static_cast<std::int64_t>(bytes_.size());
    }
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    void SetSize(std::int64_t) override {}
    const Bytes& Data() const { return bytes_; }

private:
    Bytes bytes_;
};

void EncodeOurs(benchmark::State& state, TPNGObject* picture) {
    std::size_t size = 0;
    for (auto _ : state) {
        VectorSink out;
        picture->WriteToStream(out);
        size = out.Data().size();
        benchmark::DoNotOptimize(out.Data().data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

void EncodeLibpng(benchmark::State& state, const RawImage* image) {
    std::size_t size = 0;
    for (auto _ : state) {
        const Bytes out = EncodeWithLibpng(*image, kLevel, PNG_FILTER_SUB);
        size = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

// Collects each run's CPU time and size and prints ours against libpng's at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            const auto end = name.find('/', slash + 1);
            if (slash == std::string::npos) continue;
            Result& result = results_[name.substr(slash + 1, end - slash - 1)];
            const double ms = run.GetAdjustedCPUTime() *
                              benchmark::GetTimeUnitMultiplier(run.time_unit) /
                              benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond);
            const double bytes =
                run.counters.count("bytes") != 0 ? run.counters.at("bytes").value : 0;
            // The fastest repetition: the machine is shared, and interference only adds time.
            const bool ours = name.rfind("vexmora", 0) == 0;
            double& best = ours ? result.oursMs : result.libpngMs;
            if (best == 0 || ms < best) best = ms;
            (ours ? result.oursBytes : result.libpngBytes) = bytes;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-12s %10s %10s %8s %12s %12s %8s\n", "image", "ours ms", "libpng ms",
                    "time", "ours bytes", "libpng bytes", "size");
        for (const auto& [image, r] : results_) {
            std::printf("%-12s %10.1f %10.1f %8.3f %12.0f %12.0f %8.4f\n", image.c_str(), r.oursMs,
                        r.libpngMs, r.libpngMs > 0 ? r.oursMs / r.libpngMs : 0.0, r.oursBytes,
                        r.libpngBytes, r.libpngBytes > 0 ? r.oursBytes / r.libpngBytes : 0.0);
        }
    }

private:
    struct Result {
        double oursMs = 0, libpngMs = 0, oursBytes = 0, libpngBytes = 0;
    };
    std::map<std::string, Result> results_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (Subject& subject : Subjects()) {
        benchmark::RegisterBenchmark(("vexmora/" + subject.image.name).c_str(), EncodeOurs,
                                     subject.picture.get())
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5)
            ->Repetitions(3);
        benchmark::RegisterBenchmark(("libpng/" + subject.image.name).c_str(), EncodeLibpng,
                                     &subject.image)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5)
            ->Repetitions(3);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
