#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/Exception.h"
#include "core/TFileStream.h"
#include "core/TMemoryStream.h"

namespace {

std::string TempPath(const char* name) {
    return ::testing::TempDir() + "/" + name + "-" + std::to_string(::getpid());
}

TEST(MemoryStream, ReadsWritesAndSeeksFromItsPosition) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Size(), 6);
    EXPECT_EQ(stream.Position(), 6);

    stream.SetPosition(2);
    char two[2];
    stream.ReadBuffer(two, 2);
    EXPECT_EQ(std::string(two, 2), "cd");

    EXPECT_EQ(stream.Seek(-1, SeekOrigin::Current), 3);
    EXPECT_EQ(stream.Seek(-2, SeekOrigin::End), 4);
    EXPECT_EQ(stream.Seek(-100, SeekOrigin::Current), 0) << "positions before 0 are clamped";

    // Overwriting in the middle keeps the rest; writing past the end grows the stream.
    stream.SetPosition(4);
    stream.WriteBuffer("XYZ", 3);
    EXPECT_EQ(stream.ToString(), "abcdXYZ");
}

TEST(MemoryStream, WritingAfterSeekingPastTheEndFillsTheGapWithZeros) {
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.SetPosition(5);
    stream.WriteBuffer("c", 1);
    EXPECT_EQ(stream.ToString(), std::string("ab\0\0\0c", 6));
    char byte = 0;
    EXPECT_EQ(stream.Read(&byte, 1), 0u) << "nothing to read at the end";
}

TEST(MemoryStream, ShortReadsRaiseTheStreamReadError) {
    TMemoryStream stream(std::vector<std::uint8_t>{1, 2, 3});
    std::uint8_t buffer[4];
    EXPECT_EQ(stream.Read(buffer, 4), 3u);
    stream.SetPosition(1);
    try {
        stream.ReadBuffer(buffer, 3);
        FAIL() << "expected EReadError";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
}

TEST(MemoryStream, SetSizeCutsAndClearEmpties) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    stream.SetSize(3);
    EXPECT_EQ(stream.ToString(), "abc");
    EXPECT_EQ(stream.Position(), 3);
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_THROW(stream.SetSize(-1), EStreamError);
}

TEST(MemoryStream, CopyFromTakesEverythingOrACount) {
    TMemoryStream source;
    std::vector<std::uint8_t> big(200000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    source.WriteBuffer(big);

    TMemoryStream all;
    EXPECT_EQ(all.CopyFrom(source, 0), 200000);
    EXPECT_TRUE(std::equal(big.begin(), big.end(), all.Bytes().begin()));

    TMemoryStream part;
    source.SetPosition(10);
    EXPECT_EQ(part.CopyFrom(source, 5), 5);
    EXPECT_EQ(part.Bytes()[0], big[10]);
    TMemoryStream tooMuch;
    source.SetPosition(199999);
    EXPECT_THROW(tooMuch.CopyFrom(source, 2), EReadError);
}

TEST(FileStream, WritesAndReadsBackAFile) {
    const std::string path = TempPath("stream");
    {
        TFileStream out(path, TFileStream::Mode::Create);
        out.WriteBuffer("hello world", 11);
        EXPECT_EQ(out.Size(), 11);
        out.SetPosition(6);
        out.WriteBuffer("WORLD", 5);
    }
    TFileStream in(path, TFileStream::Mode::OpenRead);
    char text[11];
    in.ReadBuffer(text, 11);
    EXPECT_EQ(std::string(text, 11), "hello WORLD");
    EXPECT_THROW(in.ReadBuffer(text, 1), EReadError);
    std::remove(path.c_str());
}

TEST(FileStream, CreatingReplacesAnExistingFile) {
    const std::string path = TempPath("replace");
    {
        TFileStream out(path, TFileStream::Mode::Create);
        out.WriteBuffer("long old content", 16);
    }
    {
        TFileStream out(path, TFileStream::Mode::Create);
        out.WriteBuffer("new", 3);
    }
    TFileStream in(path, TFileStream::Mode::OpenRead);
    EXPECT_EQ(in.Size(), 3);
    std::remove(path.c_str());
}

TEST(FileStream, FailuresNameTheFileAndTheSystemsReason) {
    try {
        TFileStream out("/nonexistent-folder/qr.png", TFileStream::Mode::Create);
        FAIL() << "expected EFCreateError";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot create file \"/nonexistent-folder/qr.png\". No such file or directory");
    }
    EXPECT_THROW(TFileStream("/nonexistent-folder/in.png", TFileStream::Mode::OpenRead),
                 EFOpenError);
}

}  // namespace
