// The PngSuite against libpng: every valid file decodes to the same picture, every broken
// one ("x" files) fails with the error class that names its fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <typeinfo>

#include "PngTestSupport.h"
#include "png/PngErrors.h"
#include "png/RgbaRendering.h"
#include "png/TChunkIHDR.h"

namespace {

using pngtest::Bytes;
using pngtest::SuiteFiles;

class ValidSuiteFile : public testing::TestWithParam<std::string> {};

TEST_P(ValidSuiteFile, DecodesLikeLibpng) {
    const Bytes file = pngtest::ReadFileBytes(pngtest::SuitePath(GetParam()));
    pngtest::ReferenceImage expected = pngtest::DecodeWithLibpng(file);
    if (expected.hasGamma && expected.gammaValue != 0) {
        const auto table = pngtest::ReferenceDecodeGamma(expected.gammaValue);
        for (std::size_t i = 0; i < expected.rgba.size(); ++i) {
            if (i % 4 != 3) expected.rgba[i] = table[expected.rgba[i]];
        }
        const Bytes keyAlpha = pngtest::ShownKeyAlphaWithLibpng(file, table);
        for (std::size_t p = 0; p < keyAlpha.size(); ++p) expected.rgba[4 * p + 3] = keyAlpha[p];
    }
    TPNGObject picture;
    pngtest::ReadPng(picture, file);
    ASSERT_EQ(static_cast<std::uint32_t>(picture.PixelWidth()), expected.width);
    ASSERT_EQ(static_cast<std::uint32_t>(picture.PixelHeight()), expected.height);
    const Bytes actual = RenderRgba(picture);
    ASSERT_EQ(actual.size(), expected.rgba.size());
    std::size_t mismatches = 0;
    for (std::size_t i = 0; i < actual.size() && mismatches < 5; ++i) {
        if (actual[i] != expected.rgba[i]) {
            ++mismatches;
            ADD_FAILURE() << "pixel " << i / 4 << " channel " << i % 4 << ": " << int(actual[i])
                          << " vs libpng " << int(expected.rgba[i]);
        }
    }
    EXPECT_EQ(picture.ChunkList().Item(picture.ChunkList().Count() - 1)->TypeCode(),
              png::kTypeIEND);
}

INSTANTIATE_TEST_SUITE_P(PngSuite, ValidSuiteFile, testing::ValuesIn(SuiteFiles(false)),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(0, info.param.size() - 4);
                         });

const std::type_info& ExpectedErrorOf(const std::string& name) {
    const std::string code = name.substr(1, 2);
    if (code == "c1" || code == "c9" || code == "d0" || code == "d3" || code == "d9") {
        return typeid(EPNGUnsupportedFormat);
    }
    if (code == "cs" || code == "hd") return typeid(EPngInvalidCRC);
    if (code == "dt") return typeid(EPNGNoImageData);
    return typeid(EPNGInvalidFileHeader);  // xcr, xlf, xs1..xs7: damaged signatures
}

class BrokenSuiteFile : public testing::TestWithParam<std::string> {};

TEST_P(BrokenSuiteFile, FailsWithItsErrorClass) {
    const Bytes file = pngtest::ReadFileBytes(pngtest::SuitePath(GetParam()));
    TPNGObject picture;
    try {
        pngtest::ReadPng(picture, file);
        FAIL() << "no error";
    } catch (const EPngError& error) {
        EXPECT_EQ(std::string(typeid(error).name()), ExpectedErrorOf(GetParam()).name())
            << error.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(PngSuite, BrokenSuiteFile, testing::ValuesIn(SuiteFiles(true)),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(0, info.param.size() - 4);
                         });

TEST(PngSuite, AllFilesPresent) {
    EXPECT_GE(SuiteFiles(false).size(), 150u);
    EXPECT_EQ(SuiteFiles(true).size(), 14u);
}

}  // namespace
