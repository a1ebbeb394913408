// pngtool as a user runs it: the real binary on PngSuite files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "PngTestSupport.h"
#include "pngtool/RgbaRendering.h"

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
              pngtool::RenderRgba(picture));
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
}

}  // namespace
