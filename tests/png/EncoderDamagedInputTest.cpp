// Pictures left behind by failed reads keep the chunks read so far (and whatever image the
// header holds); writing them must stay within their buffers and either succeed or raise the
// codec's error.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "EncoderTestSupport.h"
#include "png/PngErrors.h"

namespace enctest {
namespace {

// Reads what it can, then writes; answers whether the read succeeded.
bool ReadThenWrite(const Bytes& bytes) {
    TPNGObject picture;
    bool readOk = true;
    try {
        ReadInto(picture, bytes);
    } catch (const Exception&) {
        readOk = false;
    }
    try {
        const Bytes written = WriteToBytes(picture);
        EXPECT_GE(written.size(), 8u);
    } catch (const EPngError&) {
        // A picture without a usable header may refuse to be written; it must not crash.
    }
    return readOk;
}

TEST(EncoderDamagedInputTest, BrokenSuiteFilesCanBeWrittenAfterTheFailedRead) {
    std::size_t broken = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SuiteFile(""))) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 5 || name[0] != 'x' || !name.ends_with(".png")) continue;
        SCOPED_TRACE(name);
        if (!ReadThenWrite(LoadFile(entry.path().string()))) ++broken;
    }
    EXPECT_GT(broken, 0u);
}

TEST(EncoderDamagedInputTest, TruncatedFilesCanBeWrittenAfterTheFailedRead) {
    for (const std::string name :
         {"basn2c16.png", "basi6a08.png", "basn3p02.png", "basi0g16.png"}) {
        SCOPED_TRACE(name);
        const Bytes whole = LoadFile(SuiteFile(name));
        for (std::size_t cut = 8; cut < whole.size(); cut += 29) {
            SCOPED_TRACE(cut);
            EXPECT_FALSE(ReadThenWrite(
                Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut))));
        }
    }
}

}  // namespace
}  // namespace enctest
