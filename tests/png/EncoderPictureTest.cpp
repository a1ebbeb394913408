// Writing whole pictures: header rules, palettes, gamma, interlacing, and writing to files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "EncoderTestSupport.h"
#include "core/Exception.h"
#include "core/TMemoryStream.h"
#include "png/PngErrors.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunkgAMA.h"
#include "png/TChunktRNS.h"

namespace enctest {
namespace {

std::filesystem::path TempPath(const std::string& name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("vexmora-encoder-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

TEST(EncoderPictureTest, TwoBitGreyIsWrittenAsFourBitFiveTimesTheSample) {
    LibpngSource source;
    source.width = 4;
    source.height = 2;
    source.bitDepth = 2;
    source.colorType = 0;
    source.rows = {0b00011011, 0b11100100};  // samples 0 1 2 3 / 3 2 1 0
    source.transparency = {0, 2};            // grey key 2
    TPNGObject picture;
    ReadInto(picture, EncodeWithLibpng(source));
    const Bytes written = WriteToBytes(picture);
    EXPECT_EQ(picture.Header().BitDepth, 4);  // the picture itself is 4-bit from now on

    const auto chunks = ParseChunks(written);
    EXPECT_EQ(chunks[0].payload[8], 4);
    const LibpngImage reference = DecodeWithLibpng(written, true);
    EXPECT_EQ(reference.fileBitDepth, 4);
    // libpng scales 4-bit samples by 17: 5 x v x 17 = 85 x v; it turns the tRNS key into an
    // alpha channel, so the grey 170 (sample 2) must be the transparent one.
    EXPECT_EQ(reference.samples,
              (Bytes{0, 255, 85, 255, 170, 0, 255, 255, 255, 255, 170, 0, 85, 255, 0, 255}));
    // The transparent grey moves with the samples: key 2 becomes 10.
    const auto trns = std::find_if(chunks.begin(), chunks.end(),
                                   [](const RawChunk& c) { return c.type == "tRNS"; });
    ASSERT_NE(trns, chunks.end());
    EXPECT_EQ(trns->payload, (Bytes{0, 10}));

    TPNGObject back;
    ReadInto(back, written);
    ExpectSameInternalForm(picture, back);
    EXPECT_EQ(ShownColor(back, 1, 0), (std::array<std::uint8_t, 3>{85, 85, 85}));
}

TEST(EncoderPictureTest, TwoBitPaletteKeepsIndexes) {
    LibpngSource source;
    source.width = 4;
    source.height = 1;
    source.bitDepth = 2;
    source.colorType = 3;
    source.rows = {0b00011011};
    source.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    TPNGObject picture;
    ReadInto(picture, EncodeWithLibpng(source));
    const Bytes written = WriteToBytes(picture);
    const LibpngImage reference = DecodeWithLibpng(written, true);
    EXPECT_EQ(reference.fileBitDepth, 4);
    EXPECT_EQ(reference.samples, (Bytes{255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9}));
    const auto chunks = ParseChunks(written);
    EXPECT_EQ(chunks[1].type, "PLTE");
    EXPECT_EQ(chunks[1].payload, source.palette);
}

// The image control holds a copy, whose gamma tables are the identity: the written samples
// are the decoded, gamma-corrected ones, under the same gAMA chunk.
TEST(EncoderPictureTest, CopiedGammaPictureKeepsGammaWithCorrectedSamples) {
    for (const std::string name : {"g03n2c08.png", "g25n3p04.png", "g10n0g16.png"}) {
        SCOPED_TRACE(name);
        TPNGObject read;
        ReadInto(read, LoadFile(SuiteFile(name)));
        TPNGObject copy;
        copy.CopyFrom(&read);
        const Bytes written = WriteToBytes(copy);
        const auto chunks = ParseChunks(written);
        const auto gama = std::find_if(chunks.begin(), chunks.end(),
                                       [](const RawChunk& c) { return c.type == "gAMA"; });
        ASSERT_NE(gama, chunks.end());
        auto* originalGamma = read.ChunkList().FindChunkOfKind<TChunkgAMA>();
        ASSERT_NE(originalGamma, nullptr);
        const std::uint32_t value = originalGamma->GammaValue();
        EXPECT_EQ(
            gama->payload,
            (Bytes{static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                   static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)}));
        // libpng's raw samples are the colours our decode of the original shows.
        const LibpngImage reference = DecodeWithLibpng(written, true);
        const TChunkIHDR& header = read.Header();
        std::size_t mismatches = 0;
        for (std::uint32_t y = 0; y < header.Height; ++y) {
            for (std::uint32_t x = 0; x < header.Width; ++x) {
                const std::uint8_t* s =
                    reference.samples.data() +
                    (static_cast<std::size_t>(y) * header.Width + x) * reference.channels;
                const bool grey = reference.channels <= 2;
                const std::array<std::uint8_t, 3> raw{s[0], s[grey ? 0 : 1], s[grey ? 0 : 2]};
                // Grey indexes do not pass through the tables: their shown colour is the
                // gamma-corrected ramp, the written sample the index.
                const auto expected = header.ColorType == 0
                                          ? std::array<std::uint8_t, 3>{read.DecodeGamma[raw[0]],
                                                                        read.DecodeGamma[raw[1]],
                                                                        read.DecodeGamma[raw[2]]}
                                          : raw;
                if (ShownColor(read, x, y) != expected) ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0u);
    }
}

// The samples lose their low bytes, and so does the key: the pixels that were transparent
// stay transparent for libpng (which turns the key into an alpha channel).
void ExpectSameTransparency(const Bytes& original) {
    TPNGObject picture;
    ReadInto(picture, original);
    const LibpngImage before = DecodeWithLibpng(original, true);
    const LibpngImage after = DecodeWithLibpng(WriteToBytes(picture), true);
    ASSERT_EQ(before.channels, after.channels);
    ASSERT_EQ(before.samples.size(), after.samples.size());
    std::size_t transparent = 0, changed = 0;
    for (std::size_t i = before.channels - 1; i < before.samples.size(); i += before.channels) {
        if (before.samples[i] == 0) ++transparent;
        if (before.samples[i] != after.samples[i]) ++changed;
    }
    EXPECT_GT(transparent, 0u);
    EXPECT_EQ(changed, 0u);
}

TEST(EncoderPictureTest, SixteenBitKeyKeepsTransparency) {
    ExpectSameTransparency(LoadFile(SuiteFile("tbwn0g16.png")));
    // RGB without gAMA, so that the colours come back exactly: white is the key.
    LibpngSource source;
    source.width = 3;
    source.height = 1;
    source.bitDepth = 16;
    source.colorType = 2;
    source.rows = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x00, 0xFF,
                   0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    source.transparency = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ExpectSameTransparency(EncodeWithLibpng(source));
}

TEST(EncoderPictureTest, InterlaceFollowsInterlaceMode) {
    TPNGObject picture;
    ReadInto(picture, LoadFile(SuiteFile("basi2c08.png")));
    EXPECT_EQ(picture.InterlaceMode, 1);
    Bytes written = WriteToBytes(picture);
    EXPECT_EQ(ParseChunks(written)[0].payload[12], 1);
    EXPECT_EQ(DecodeWithLibpng(written, true).interlace, 1);

    picture.InterlaceMode = 0;
    written = WriteToBytes(picture);
    EXPECT_EQ(ParseChunks(written)[0].payload[12], 0);
    EXPECT_EQ(DecodeWithLibpng(written, true).interlace, 0);
    // The header field keeps what was read; the setting decides what is written.
    EXPECT_EQ(picture.Header().InterlaceMethod, 1);

    // Values PNG does not know are written without interlacing, consistently.
    picture.InterlaceMode = 7;
    written = WriteToBytes(picture);
    EXPECT_EQ(ParseChunks(written)[0].payload[12], 0);
    TPNGObject back;
    ReadInto(back, written);
    EXPECT_EQ(0, std::memcmp(back.Header().PixelRows(), picture.Header().PixelRows(),
                             picture.Header().BitmapHandle()->ByteCount()));
}

TEST(EncoderPictureTest, PaletteWithoutEntryCountTakesColoursUsed) {
    TPNGObject picture;
    ReadInto(picture, LoadFile(SuiteFile("basn3p04.png")));
    auto* palette = picture.ChunkList().FindChunkOfKind<TChunkPLTE>();
    ASSERT_NE(palette, nullptr);
    const std::uint32_t colours = picture.Header().BitmapInfo().header.clrUsed;
    palette->EntryCount = 0;
    const auto chunks = ParseChunks(WriteToBytes(picture));
    EXPECT_EQ(palette->EntryCount, colours);
    const auto plte = std::find_if(chunks.begin(), chunks.end(),
                                   [](const RawChunk& c) { return c.type == "PLTE"; });
    ASSERT_NE(plte, chunks.end());
    EXPECT_EQ(plte->payload.size(), colours * 3u);
}

TEST(EncoderPictureTest, SuggestedPaletteOfTruecolourPictureIsKept) {
    for (const std::string name : {"pp0n2c16.png", "pp0n6a08.png"}) {
        SCOPED_TRACE(name);
        const Bytes original = LoadFile(SuiteFile(name));
        TPNGObject picture;
        ReadInto(picture, original);
        const auto plte = [](const Bytes& file) {
            const auto chunks = ParseChunks(file);
            return std::find_if(chunks.begin(), chunks.end(),
                                [](const RawChunk& c) { return c.type == "PLTE"; })
                ->payload;
        };
        EXPECT_EQ(plte(WriteToBytes(picture)), plte(original));
    }
}

TEST(EncoderPictureTest, EmptyPictureAndPictureWithoutImageData) {
    TPNGObject empty;
    EXPECT_EQ(WriteToBytes(empty), Bytes(png::kSignature.begin(), png::kSignature.end()));

    auto picture = MakePicture(3, 3, 8, 2);
    picture->ChunkList().Remove(picture->ChunkList().Item(1));
    EXPECT_EQ(ChunkOrder(ParseChunks(WriteToBytes(*picture))),
              (std::vector<std::string>{"IHDR", "IEND"}));
}

// Header fields that no longer describe the image held would give image data of the wrong
// length: the writer refuses before any image data is written.
TEST(EncoderPictureTest, HeaderThatDoesNotMatchTheImageIsRefused) {
    auto picture = MakePicture(3, 3, 8, 2);
    picture->Header().Width = 5;
    TMemoryStream stream;
    EXPECT_THROW(picture->WriteToStream(stream), EPNGHeaderNotPresent);
    const Bytes bytes(stream.Bytes().begin(), stream.Bytes().end());
    EXPECT_EQ(ChunkOrder(ParseChunks(bytes)), (std::vector<std::string>{"IHDR"}));

    auto unknown = MakePicture(3, 3, 8, 5);
    EXPECT_THROW(WriteToBytes(*unknown), EPNGHeaderNotPresent);
}

TEST(EncoderPictureTest, WriteToFileWritesTheStream) {
    TPNGObject picture;
    ReadInto(picture, LoadFile(SuiteFile("basn6a08.png")));
    const auto path = TempPath("written.png");
    picture.WriteToFile(path.string());
    EXPECT_EQ(LoadFile(path.string()), WriteToBytes(picture));
    std::filesystem::remove(path);
}

TEST(EncoderPictureTest, WriteToFileThatCannotBeCreated) {
    TPNGObject picture;
    ReadInto(picture, LoadFile(SuiteFile("basn0g01.png")));
    const std::string path = "/nonexistent-vexmora-dir/out.png";
    try {
        picture.WriteToFile(path);
        FAIL() << "no error";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot create file \"" + path + "\". No such file or directory");
    }
}

// A write that falls short (here: the file size limit) is an error, and the cut-off file
// is not left behind.
TEST(EncoderPictureTest, ShortWriteIsAnErrorAndLeavesNoFile) {
    auto picture = MakePicture(512, 512, 8, 2);
    picture->DeflateLevel = 0;
    const auto path = TempPath("short.png");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 100000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(picture->WriteToFile(path.string()), EWriteError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Saving over a file goes by way of a new file: a save that fails leaves the old file as it
// was, and one that succeeds replaces it whole, keeping its permissions and leaving nothing
// else in the folder.
TEST(EncoderPictureTest, SavingOverAFileReplacesItOnlyWhenComplete) {
    const auto folder = TempPath("replace-folder");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto path = folder / "picture.png";
    const Bytes old(150000, 'o');
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(old.data(), 1, old.size(), file);
        std::fclose(file);
    }
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    auto picture = MakePicture(400, 400, 8, 6);
    picture->DeflateLevel = 0;

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 200000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(picture->WriteToFile(path.string()), EWriteError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(LoadFile(path.string()), old) << "the old file was damaged";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);

    TPNGObject small;
    ReadInto(small, LoadFile(SuiteFile("basn0g01.png")));
    small.WriteToFile(path.string());
    EXPECT_EQ(LoadFile(path.string()), WriteToBytes(small));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0640));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace enctest
