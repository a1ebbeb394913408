// The package reader against packages we write, and against one hostile file per bound.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SkinTestSupport.h"
#include "core/TMemoryStream.h"
#include "skin/data/ESkinError.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinPackage.h"

namespace {

using skintest::Bytes;
using skintest::RawEntry;

std::string ReadError(const Bytes& package) {
    TMemoryStream stream(package);
    TacSkinConvertor converter;
    try {
        ReadPackage(stream, converter);
    } catch (const ESkinError& error) {
        EXPECT_EQ(converter.Options, nullptr);
        EXPECT_TRUE(converter.Images.empty());
        return error.Message();
    }
    return "";
}

TEST(SkinPackage, RoundTripKeepsNamesOrderAndBytes) {
    const Bytes picture(5000, 7);
    const Bytes package = skin::WritePackage({{"Options.dat", skintest::ToBytes("[A]\nX=1\n")},
                                              {"Master.bmp", picture},
                                              {"Glow.png", Bytes{1, 2, 3}}});
    TMemoryStream stream(package);
    TacSkinConvertor converter;
    ReadPackage(stream, converter);
    EXPECT_EQ(converter.ImageCount, 2);
    ASSERT_EQ(converter.Images.size(), 2u);
    EXPECT_EQ(converter.Images[0].Name, "Master.bmp");
    EXPECT_TRUE(converter.Images[0].IsBitmap);
    EXPECT_FALSE(converter.Images[1].IsBitmap);
    EXPECT_EQ(
        Bytes(converter.Images[0].Data->Bytes().begin(), converter.Images[0].Data->Bytes().end()),
        picture);
    EXPECT_EQ(converter.Options->ToString(), "[A]\nX=1\n");
    EXPECT_EQ(converter.FindImage("GLOW.PNG"), &converter.Images[1]);
    EXPECT_EQ(skin::WritePackage({{"Options.dat", skintest::ToBytes("[A]\nX=1\n")},
                                  {"Master.bmp", picture},
                                  {"Glow.png", Bytes{1, 2, 3}}}),
              package);
}

TEST(SkinPackage, OptionsNameIgnoresCaseAndALaterOneReplacesTheFirst) {
    const Bytes package = skin::WritePackage({{"OPTIONS.DAT", skintest::ToBytes("first")},
                                              {"a.png", Bytes{1}},
                                              {"options.dat", skintest::ToBytes("second")}});
    TMemoryStream stream(package);
    TacSkinConvertor converter;
    ReadPackage(stream, converter);
    EXPECT_EQ(converter.Options->ToString(), "second");
    EXPECT_EQ(converter.ImageCount, 2);
    EXPECT_EQ(converter.Images.size(), 1u);
}

TEST(SkinPackage, BadMagicGivesTheExactMessageAndKeepsTheConverter) {
    Bytes package = skin::WritePackage({{"Options.dat", Bytes{'x'}}});
    package[0] = 'B';
    auto converter = std::make_unique<TacSkinConvertor>();
    converter->Options = std::make_unique<TMemoryStream>();
    TMemoryStream stream(package);
    try {
        ReadPackage(stream, *converter);
        FAIL();
    } catch (const ESkinError& error) {
        EXPECT_EQ(error.Message(), "Loaded data is not a packed Quillet file");
    }
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(converter->Options, nullptr);
    EXPECT_EQ(ReadError(Bytes{'A', 'S'}), "Loaded data is not a packed Quillet file");
}

TEST(SkinPackage, EntryCountJustBelowAtAndAboveItsBounds) {
    const auto withCount = [](std::int32_t count) {
        Bytes package = skintest::Magic();
        skintest::AppendInt32(package, count);
        skintest::AppendEntry(package, RawEntry{"Options.dat", skintest::ToBytes("[A]"), 3});
        Bytes picture;
        skintest::AppendEntry(picture, RawEntry{"p", Bytes{1}, 1});
        for (std::int32_t i = 1; i < count; ++i)
            package.insert(package.end(), picture.begin(), picture.end());
        return package;
    };
    EXPECT_NE(ReadError(withCount(0)).find("entry count 0 outside 1..1024"), std::string::npos);
    EXPECT_NE(ReadError(withCount(-1)).find("entry count -1"), std::string::npos);
    EXPECT_EQ(ReadError(withCount(1)), "");
    EXPECT_EQ(ReadError(withCount(1024)), "");
    EXPECT_NE(ReadError(withCount(1025)).find("entry count 1025"), std::string::npos);
}

TEST(SkinPackage, NameLengthAndNameBytes) {
    const auto withName = [](const std::string& name) {
        return skintest::Package(
            {RawEntry{"Options.dat", Bytes{'x'}, 1}, RawEntry{name, Bytes{1}, 1}});
    };
    EXPECT_EQ(ReadError(withName(std::string(255, 'n'))), "");
    EXPECT_NE(ReadError(withName(std::string(256, 'n'))).find("name length 256"),
              std::string::npos);
    EXPECT_NE(ReadError(withName("")).find("name length 0"), std::string::npos);
    EXPECT_NE(ReadError(withName("a\nb")).find("control character"), std::string::npos);
    EXPECT_NE(ReadError(withName(std::string("a\x7f", 2))).find("control character"),
              std::string::npos);
}

TEST(SkinPackage, EntrySizeJustBelowAtAndAboveTheCap) {
    const std::int32_t cap = skin::kMaxEntryBytes;
    for (const std::int32_t size : {cap - 1, cap}) {
        EXPECT_EQ(ReadError(skintest::Package(
                      {RawEntry{"Options.dat", Bytes{'x'}, 1},
                       RawEntry{"big.bmp", Bytes(static_cast<std::size_t>(size)), size}})),
                  "");
    }
    EXPECT_NE(
        ReadError(skintest::Package(
                      {RawEntry{"Options.dat", Bytes{'x'}, 1},
                       RawEntry{"big.bmp", Bytes(static_cast<std::size_t>(cap) + 1), cap + 1}}))
            .find("size 33554433 outside"),
        std::string::npos);
    const std::int32_t options = skin::kMaxOptionsBytes;
    EXPECT_EQ(ReadError(skintest::Package(
                  {RawEntry{"Options.dat", Bytes(static_cast<std::size_t>(options)), options}})),
              "");
    EXPECT_NE(
        ReadError(skintest::Package({RawEntry{
                      "Options.dat", Bytes(static_cast<std::size_t>(options) + 1), options + 1}}))
            .find("outside 0..1048576"),
        std::string::npos);
    EXPECT_NE(ReadError(skintest::Package({RawEntry{"Options.dat", Bytes{'x'}, 1},
                                           RawEntry{"n.bmp", Bytes{}, -5}}))
                  .find("size -5"),
              std::string::npos);
}

TEST(SkinPackage, TotalInflatedSizeAtAndAboveTheCap) {
    const std::int32_t cap = skin::kMaxEntryBytes;
    std::vector<RawEntry> entries{RawEntry{"Options.dat", Bytes{}, 0}};
    for (int i = 0; i < 4; ++i)
        entries.push_back(
            RawEntry{"p" + std::to_string(i), Bytes(static_cast<std::size_t>(cap)), cap});
    EXPECT_EQ(ReadError(skintest::Package(entries)), "");
    entries.push_back(RawEntry{"p5", Bytes{1}, 1});
    EXPECT_NE(ReadError(skintest::Package(entries)).find("more than 128 MiB"), std::string::npos);
}

TEST(SkinPackage, InflatedSizeMustBeExact) {
    EXPECT_NE(
        ReadError(skintest::Package({RawEntry{"Options.dat", Bytes(10), 11}})).find("fewer bytes"),
        std::string::npos);
    EXPECT_NE(ReadError(skintest::Package({RawEntry{"Options.dat", Bytes(10), 9}}))
                  .find("more than its size"),
              std::string::npos);
    const Bytes whole = skintest::Package({RawEntry{"Options.dat", Bytes(1000, 3), 1000}});
    const Bytes truncated(whole.begin(), whole.end() - 6);
    EXPECT_NE(ReadError(truncated).find("truncated"), std::string::npos);
    Bytes corrupt = skintest::Package({RawEntry{"Options.dat", Bytes(1000, 3), 1000}});
    corrupt[corrupt.size() - 8] ^= 0xFF;
    EXPECT_NE(ReadError(corrupt), "");
}

TEST(SkinPackage, AOneKilobyteEntryInflatingToAGibibyteIsRefused) {
    const Bytes bomb = skintest::DeflateZeros(std::size_t{1} << 30);
    Bytes package = skintest::Magic();
    skintest::AppendInt32(package, 2);
    skintest::AppendEntry(package, RawEntry{"Options.dat", Bytes{'x'}, 1});
    skintest::AppendInt32(package, 8);
    package.insert(package.end(), {'b', 'o', 'm', 'b', '.', 'b', 'm', 'p'});
    skintest::AppendInt32(package, 1024);
    package.insert(package.end(), bomb.begin(), bomb.end());
    EXPECT_NE(ReadError(package).find("entry \"bomb.bmp\" inflates to more than its size"),
              std::string::npos);
}

TEST(SkinPackage, APackageWithoutOptionsFailsLikeADamagedOne) {
    EXPECT_EQ(ReadError(skintest::Package({RawEntry{"Master.bmp", Bytes{1}, 1}})),
              "Damaged skin package: no Options.dat");
}

class SkinPackageFile : public ::testing::Test {
protected:
    void SetUp() override { folder_ = skintest::TempFolder("package-file"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string folder_;
};

TEST_F(SkinPackageFile, MissingFileDoesNothingAndOthersAreReadOrRefused) {
    std::unique_ptr<TacSkinConvertor> converter;
    LoadPackageFile(folder_ + "/none.asz", converter, true);
    EXPECT_EQ(converter, nullptr);

    skintest::WriteFile(folder_ + "/good.asz", skin::WritePackage({{"Options.dat", Bytes{'x'}}}));
    LoadPackageFile(folder_ + "/good.asz", converter, true);
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(converter->Source, nullptr);
    LoadPackageFile(folder_ + "/good.asz", converter, false);
    EXPECT_NE(converter->Source, nullptr);

    EXPECT_THROW(LoadPackageFile(folder_, converter, true), ESkinError);
    ASSERT_EQ(::mkfifo((folder_ + "/fifo.asz").c_str(), 0600), 0);
    EXPECT_THROW(LoadPackageFile(folder_ + "/fifo.asz", converter, true), ESkinError);
    EXPECT_NE(converter, nullptr);
}

TEST_F(SkinPackageFile, FileSizeAtAndAboveTheCap) {
    std::unique_ptr<TacSkinConvertor> converter;
    const std::string at = folder_ + "/at.asz", above = folder_ + "/above.asz";
    std::filesystem::resize_file(skintest::WriteFile(at, Bytes{}), skin::kMaxPackageFileBytes);
    std::filesystem::resize_file(skintest::WriteFile(above, Bytes{}),
                                 skin::kMaxPackageFileBytes + 1);
    try {
        LoadPackageFile(at, converter, true);
        FAIL();
    } catch (const ESkinError& error) {
        EXPECT_EQ(error.Message(), "Loaded data is not a packed Quillet file");
    }
    try {
        LoadPackageFile(above, converter, true);
        FAIL();
    } catch (const ESkinError& error) {
        EXPECT_NE(error.Message().find("larger than 67108864 bytes"), std::string::npos)
            << error.Message();
    }
}

}  // namespace
