// pngtool recode as a user runs it: the real binary reads a file and writes it back.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "EncoderTestSupport.h"

namespace enctest {
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
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(EncoderPngToolTest, RecodeWritesThePictureBack) {
    for (const std::string name : {"basi6a16.png", "tbbn3p08.png", "ctzn0g04.png"}) {
        SCOPED_TRACE(name);
        const std::string out = testing::TempDir() + "/recode-" + name;
        const RunResult run = RunPngTool("recode " + SuiteFile(name) + " " + out);
        ASSERT_EQ(run.status, 0) << run.output;
        TPNGObject original;
        ReadInto(original, LoadFile(SuiteFile(name)));
        const Bytes recoded = LoadFile(out);
        // The tool wrote what the encoder writes for the picture.
        EXPECT_EQ(recoded, WriteToBytes(original));
        TPNGObject back;
        ReadInto(back, recoded);
        ExpectSameInternalForm(original, back);
        std::remove(out.c_str());
    }
}

TEST(EncoderPngToolTest, RecodeReportsAFileThatCannotBeCreated) {
    const RunResult run =
        RunPngTool("recode " + SuiteFile("basn0g01.png") + " /nonexistent-vexmora/out.png");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output,
              "Cannot create file \"/nonexistent-vexmora/out.png\". No such file or directory\n");
}

}  // namespace
}  // namespace enctest
