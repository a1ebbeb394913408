// The preview link's frames: what the program accepts from the editor, byte for byte.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/PreviewFrame.h"

namespace {

using namespace preview;

std::vector<std::uint8_t> Block(const SkinTransfer& transfer) {
    auto frame = EncodeTransfer(transfer);
    return {frame.begin() + kTransferHeaderBytes, frame.end()};
}

TEST(PreviewFrameTest, HelloCarriesTheWindowAndNothingElseDecodes) {
    const auto hello = EncodeHello(0x1122334455667788ull);
    EXPECT_EQ(hello[0], 0x00);
    EXPECT_EQ(hello[1], 0xA4);
    EXPECT_EQ(hello[4], 3);
    EXPECT_EQ(hello[8], 0x88);
    EXPECT_EQ(DecodeHello(hello), 0x1122334455667788ull);

    std::vector<std::uint8_t> bytes(hello.begin(), hello.end());
    bytes.push_back(0);
    EXPECT_FALSE(DecodeHello(bytes));
    bytes.resize(kHelloBytes - 1);
    EXPECT_FALSE(DecodeHello(bytes));
    auto wrongWParam = hello;
    wrongWParam[4] = 7;
    EXPECT_FALSE(DecodeHello(wrongWParam));
}

TEST(PreviewFrameTest, HeaderAnnouncesExactlyOneBlockOfCommandSeven) {
    const auto frame = EncodeTransfer({"Mine", "/skins", "[GLOBALINFO]"});
    ASSERT_EQ(frame.size(), kTransferHeaderBytes + kBlockBytes);
    std::vector<std::uint8_t> header(frame.begin(), frame.begin() + kTransferHeaderBytes);
    EXPECT_TRUE(TransferHeaderValid(header));
    struct Case {
        std::size_t at;
        std::uint8_t value;
    };
    // 30,646 is 0x77B6: one less, one more, and another WParam.
    for (const Case& c : {Case{4, 0xB5}, Case{4, 0xB7}, Case{0, 8}, Case{0, 3}, Case{7, 1}}) {
        auto damaged = header;
        damaged[c.at] = c.value;
        EXPECT_FALSE(TransferHeaderValid(damaged)) << c.at << " " << int(c.value);
    }
    header.pop_back();
    EXPECT_FALSE(TransferHeaderValid(header));
}

TEST(PreviewFrameTest, BlockDecodesOnlyAtItsSizeAndCommand) {
    const auto block = Block({"Mine", "/home/u/skins", "[GLOBALINFO]\nVERSION=7.4\n"});
    const auto transfer = DecodeTransferBlock(block);
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->SkinName, "Mine");
    EXPECT_EQ(transfer->SkinDirectory, "/home/u/skins");
    EXPECT_EQ(transfer->OptionsText, "[GLOBALINFO]\nVERSION=7.4\n");

    auto shorter = block;
    shorter.pop_back();
    EXPECT_FALSE(DecodeTransferBlock(shorter));
    auto longer = block;
    longer.push_back(0);
    EXPECT_FALSE(DecodeTransferBlock(longer));
    auto wrongCommand = block;
    wrongCommand[0] = 0x01;
    EXPECT_FALSE(DecodeTransferBlock(wrongCommand));
}

TEST(PreviewFrameTest, EachTextFieldNeedsItsZeroWithinItsLength) {
    struct Field {
        std::size_t offset, length;
    };
    for (const Field f : {Field{kNameOffset, kNameBytes}, Field{kDirectoryOffset, kDirectoryBytes},
                          Field{kOptionsOffset, kOptionsBytes}}) {
        auto block = Block({"", "", ""});
        for (std::size_t i = 0; i + 1 < f.length; ++i) block[f.offset + i] = 'x';
        EXPECT_TRUE(DecodeTransferBlock(block)) << f.offset;  // the text at its longest
        block[f.offset + f.length - 1] = 'x';
        EXPECT_FALSE(DecodeTransferBlock(block)) << f.offset;  // one more: no zero left
    }
    EXPECT_NO_THROW(EncodeTransfer({std::string(kNameBytes - 1, 'n'), "", ""}));
    EXPECT_THROW(EncodeTransfer({std::string(kNameBytes, 'n'), "", ""}), std::length_error);
    EXPECT_THROW(EncodeTransfer({"", "", std::string(kOptionsBytes, 'o')}), std::length_error);
    EXPECT_THROW(EncodeTransfer({std::string("a\0b", 3), "", ""}), std::length_error);
}

TEST(PreviewFrameTest, OnlyPlainNamesNameASkin) {
    for (const char* name : {"Mine", "tv-b (internal)", "Skin.asz", "a.b", "Ünïcode"})
        EXPECT_TRUE(IsPlainSkinName(name)) << name;
    for (const char* name :
         {"", ".", "..", "../Mine", "Mine/..", "a..b", "a/b", "/tmp/Mine", "a\\b", "a\nb", "a\x7f"})
        EXPECT_FALSE(IsPlainSkinName(name)) << name;
}

TEST(PreviewFrameTest, SocketLivesInAnAbsoluteRuntimeFolder) {
    EXPECT_EQ(SocketPath("/run/user/1000"), "/run/user/1000/Morvenna Editor");
    EXPECT_EQ(SocketPath("/run/user/1000/"), "/run/user/1000/Morvenna Editor");
    EXPECT_EQ(SocketPath(nullptr), "");
    EXPECT_EQ(SocketPath(""), "");
    EXPECT_EQ(SocketPath("relative"), "");
}

}  // namespace
