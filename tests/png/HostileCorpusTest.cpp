// Crafted streams up to 64 MiB, far below the download cap, that once cost hundreds of
// megabytes to gigabytes while reading or copying: each must read (or be refused) holding at
// most the image's own pixel memory plus 64 MiB, in under 2 s of processor time.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>

#include "AllocationCounter.h"
#include "PngTestSupport.h"
#include "core/TMemoryStream.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TChunkIHDR.h"

namespace {

using pngtest::Bytes;

constexpr std::size_t kMiB = 1024 * 1024;
constexpr std::size_t kStreamCap = 64 * kMiB;
constexpr std::size_t kAllowance = 64 * kMiB;

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
constexpr bool kTimed = false;  // the sanitizers multiply the time of every step
#else
constexpr bool kTimed = true;
#endif

// Appends one chunk with its CRC, without the builder's bookkeeping (millions of chunks).
void AppendChunk(Bytes& out, std::string_view type, const Bytes& payload) {
    const Bytes length = pngtest::U32(static_cast<std::uint32_t>(payload.size()));
    out.insert(out.end(), length.begin(), length.end());
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), payload.begin(), payload.end());
    const Bytes crc = pngtest::U32(pngtest::ChunkCrc(type, payload));
    out.insert(out.end(), crc.begin(), crc.end());
}

struct Crafted {
    std::string name;
    std::function<void(Bytes&)> middle;  // the chunks between IHDR and IDAT
    Bytes ihdr = pngtest::Ihdr(1, 1, 8, 0);
    Bytes rows = {0, 128};
};

Bytes Build(const Crafted& crafted) {
    Bytes out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    AppendChunk(out, "IHDR", crafted.ihdr);
    crafted.middle(out);
    AppendChunk(out, "IDAT", pngtest::Zlib(crafted.rows, 9));
    AppendChunk(out, "IEND", {});
    return out;
}

Bytes TextBomb(int index) {
    Bytes payload{'k', static_cast<std::uint8_t>('0' + index % 10), 0, 0};
    static const Bytes compressed = pngtest::Zlib(Bytes(8 * kMiB - 1024, 0), 9);
    payload.insert(payload.end(), compressed.begin(), compressed.end());
    return payload;
}

std::vector<Crafted> Corpus() {
    std::vector<Crafted> corpus;
    corpus.push_back({"48 zTXt bombs", [](Bytes& out) {
                          for (int i = 0; i < 48; ++i) AppendChunk(out, "zTXt", TextBomb(i));
                      }});
    corpus.push_back({"1000 zTXt bombs", [](Bytes& out) {
                          for (int i = 0; i < 1000; ++i) AppendChunk(out, "zTXt", TextBomb(i));
                      }});
    corpus.push_back({"5.5 million empty unknown chunks", [](Bytes& out) {
                          out.reserve(out.size() + 5'500'000 * 12 + 100);
                          for (int i = 0; i < 5'500'000; ++i) AppendChunk(out, "zzZz", {});
                      }});
    corpus.push_back({"3 tEXt chunks of 16 MiB", [](Bytes& out) {
                          Bytes payload{'k', 0};
                          payload.resize(png::kMaxStoredPayload, 'x');
                          for (int i = 0; i < 3; ++i) AppendChunk(out, "tEXt", payload);
                      }});
    corpus.push_back({"3 unknown chunks of 16 MiB", [](Bytes& out) {
                          const Bytes payload(png::kMaxStoredPayload, 7);
                          for (int i = 0; i < 3; ++i) AppendChunk(out, "blOb", payload);
                      }});
    corpus.push_back({"600000 small tIME chunks", [](Bytes& out) {
                          for (int i = 0; i < 600'000; ++i)
                              AppendChunk(out, "tIME", {7, 0xE8, 1, 2, 3, 4, 5});
                      }});
    corpus.push_back({"PLTE repeated",
                      [](Bytes& out) {
                          for (int i = 0; i < 4'000'000; ++i) AppendChunk(out, "PLTE", {1, 2, 3});
                      },
                      pngtest::Ihdr(1, 1, 8, 3),
                      {0, 0}});
    return corpus;
}

std::size_t PixelMemory(const TPNGObject& picture) {
    const TChunkIHDR* header = picture.HeaderOrNull();
    if (header == nullptr) return 0;
    const std::size_t rows = std::size_t{header->RowStride()} * header->Height;
    // The alpha plane and the low-byte plane are at most one byte per pixel each beside them.
    return rows + 2 * std::size_t{header->Width} * header->Height;
}

TEST(HostileCorpus, EachStreamReadsWithinPixelMemoryPlus64MiBAndTwoSeconds) {
    for (const Crafted& crafted : Corpus()) {
        const Bytes bytes = Build(crafted);
        ASSERT_LE(bytes.size(), kStreamCap) << crafted.name;
        TMemoryStream stream(bytes);
        TPNGObject picture;
        TPNGObject shown;
        alloccount::ResetPeak();
        const std::clock_t start = std::clock();
        std::string outcome = "read";
        try {
            picture.ReadFromStream(stream);
            // The generate command keeps a copy of what it read.
            shown.CopyFrom(&picture);
        } catch (const EPngError& error) {
            outcome = error.Message();
        }
        const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        const std::size_t peak = alloccount::PeakSinceReset();
        EXPECT_LE(peak, PixelMemory(picture) + kAllowance)
            << crafted.name << ": " << peak / kMiB << " MiB (" << outcome << ")";
        if (kTimed) {
            EXPECT_LT(seconds, 2.0) << crafted.name << " (" << outcome << ")";
        }
        std::printf("%s: %.2f s, peak %zu MiB, %s\n", crafted.name.c_str(), seconds, peak / kMiB,
                    outcome.substr(0, 60).c_str());
    }
}

}  // namespace
