// pngtool as a user runs it: the real binary on PngSuite files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "PngTestSupport.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/RgbaRendering.h"

namespace {

struct RunResult {
    int status = -1;
    std::string output;
};

RunResult RunPngTool(const std::string& arguments) {
    const std::string command =
        std::string(VEXMORA_BINARY_DIR) + "/bin/pngtool " + arguments + " 2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

void WriteFile(const std::string& path, const pngtest::Bytes& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

TEST(PngTool, InfoListsHeaderChunksAndTransparency) {
    const RunResult result = RunPngTool("info " + pngtest::SuitePath("tbbn3p08.png"));
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find("Width: 32\nHeight: 32\nBitDepth: 8\nColorType: 3\n"),
              std::string::npos);
    EXPECT_NE(result.output.find("Chunks:\n  IHDR 13\n  gAMA 4\n  PLTE "), std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("  IEND 0\nTransparency: tkColorKey\n"), std::string::npos)
        << result.output;
}

TEST(PngTool, DecodeWritesTheShownPictureAsPam) {
    const std::string out = testing::TempDir() + "/pngtool-basn6a08.pam";
    const RunResult result = RunPngTool("decode " + pngtest::SuitePath("basn6a08.png") + " " + out);
    ASSERT_EQ(result.status, 0) << result.output;
    const pngtest::Bytes pam = pngtest::ReadFileBytes(out);
    const std::string head =
        "P7\nWIDTH 32\nHEIGHT 32\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    ASSERT_EQ(pam.size(), head.size() + 32 * 32 * 4);
    EXPECT_EQ(std::string(pam.begin(), pam.begin() + static_cast<std::ptrdiff_t>(head.size())),
              head);
    TPNGObject picture;
    pngtest::ReadPng(picture, pngtest::ReadFileBytes(pngtest::SuitePath("basn6a08.png")));
    EXPECT_EQ(pngtest::Bytes(pam.begin() + static_cast<std::ptrdiff_t>(head.size()), pam.end()),
              RenderRgba(picture));
    std::remove(out.c_str());
}

TEST(PngTool, CodecErrorsGoToStderrWithStatus1) {
    const RunResult result =
        RunPngTool("decode " + pngtest::SuitePath("xcsn0g01.png") + " /dev/null");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output,
              "This \"Portable Network Graphics\" image is not valid because it contains invalid "
              "pieces of data (crc "
              "error)\n");
    EXPECT_EQ(RunPngTool("frobnicate").status, 2);
    // A text with a line break inside still makes one line.
    const std::string notFirst = testing::TempDir() + "/pngtool-not-first.png";
    pngtest::PngBuilder builder;
    builder.Chunk("gAMA", pngtest::U32(45455));
    WriteFile(notFirst, builder.Data());
    const RunResult refused = RunPngTool("info " + notFirst);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.output,
              "This \"Portable Network Graphics\" image is not supported or it might be invalid. "
              "(IHDR chunk is not the first)\n");
    std::remove(notFirst.c_str());
}

// A 1-bit grey picture costs an eighth of a byte per pixel in the codec and four bytes when
// rendered: the rendering has a cap of its own.
pngtest::Bytes OneBitGrey(std::uint32_t width, std::uint32_t height) {
    const std::size_t rowBytes = 1 + (std::size_t{width} + 7) / 8;
    return pngtest::SimplePng(pngtest::Ihdr(width, height, 1, 0),
                              pngtest::Bytes(rowBytes * height, 0));
}

TEST(PngTool, RenderingCapJustBelowAtAndAbove) {
    const std::size_t maxPixels = png::kMaxImageBytes / 4;
    ASSERT_EQ(maxPixels, std::size_t{8192} * 8192);
    for (const std::uint32_t width : {8191u, 8192u, 8193u}) {
        TPNGObject picture;
        pngtest::ReadPng(picture, OneBitGrey(width, 8192));
        if (std::size_t{width} * 8192 <= maxPixels) {
            EXPECT_EQ(RenderRgba(picture).size(), std::size_t{width} * 8192 * 4);
        } else {
            EXPECT_THROW(RenderRgba(picture), EPNGImageTooLarge);
        }
    }
}

// Files are read as a download would be: at most 64 MiB. Sparse files of zeros, so the ones
// that are read fail at their signature instead.
TEST(PngTool, InputSizeJustBelowAtAndAbove) {
    const std::string path = testing::TempDir() + "/pngtool-sparse.png";
    const std::size_t limit = std::size_t{64} * 1024 * 1024;
    for (const std::size_t size : {limit - 1, limit, limit + 1}) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(ftruncate(fileno(file), static_cast<off_t>(size)), 0);
        std::fclose(file);
        const RunResult result = RunPngTool("info " + path);
        EXPECT_EQ(result.status, 1) << size;
        const bool refused = result.output.find("is larger than 64 MB") != std::string::npos;
        EXPECT_EQ(refused, size > limit) << size << ": " << result.output;
        EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << size;
    }
    std::remove(path.c_str());
}

TEST(PngTool, OversizedRenderingExitsWithOneLine) {
    const std::string wide = testing::TempDir() + "/pngtool-wide.png";
    WriteFile(wide, OneBitGrey(65535, 2000));
    const RunResult result = RunPngTool("decode " + wide + " /dev/null");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, EPNGImageTooLarge().Message() + "\n");
    std::remove(wide.c_str());
}

}  // namespace
