// The chart request from text to picture: BuildChartRequest against the stand-in service.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ChartServiceProcess.h"
#include "QrTestTools.h"
#include "core/TMemoryStream.h"
#include "qr/ChartRequest.h"

namespace {

class BuildChartRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"http_proxy", "all_proxy", "ALL_PROXY"}) unsetenv(name);
        setenv("VEXMORA_CHART_HOST", service_.HostPort().c_str(), 1);
    }
    void TearDown() override { unsetenv("VEXMORA_CHART_HOST"); }

    ChartServiceProcess service_;
};

}  // namespace

TEST_F(BuildChartRequestTest, TextComesBackFromThePictureAtEveryLevel) {
    const std::string text =
        "Gr\xC3\xBC\xC3\x9F"
        "e aus K\xC3\xB6ln!\r\n50% off? a&b=c ~ #1 <tag> \"quoted\"";
    for (EcLevel level = 0; level < kEcLevelCount; ++level) {
        TMemoryStream stream;
        BuildChartRequest(200, 200, level, stream, text);
        const std::string png = stream.ToString();
        const auto header = ReadPngHeader(png);
        ASSERT_TRUE(header) << "level " << level;
        EXPECT_EQ(header->width, 200u);
        EXPECT_EQ(header->height, 200u);
        EXPECT_EQ(ScanQr(png), text) << "level " << level;
    }
}

TEST_F(BuildChartRequestTest, OddSizesAreAskedForAsGiven) {
    TMemoryStream stream;
    BuildChartRequest(540, 100, 0, stream, "wide");
    const auto header = ReadPngHeader(stream.ToString());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->width, 540u);
    EXPECT_EQ(header->height, 100u);
    EXPECT_EQ(ScanQr(stream.ToString()), "wide");
}

TEST_F(BuildChartRequestTest, ServiceRefusalArrivesAsItsPage) {
    // 65535 pixels a side is beyond the service; the answer is its page, not a picture.
    TMemoryStream stream;
    BuildChartRequest(65535, 100, 2, stream, "too wide");
    EXPECT_FALSE(IsPng(stream.ToString()));
    EXPECT_NE(stream.ToString().find("400 Bad Request"), std::string::npos);
}

TEST_F(BuildChartRequestTest, LevelOutsideTheListRequestsNothing) {
    TMemoryStream stream;
    stream.WriteBuffer("kept", 4);
    BuildChartRequest(200, 200, -1, stream, "a");
    BuildChartRequest(200, 200, 4, stream, "a");
    EXPECT_EQ(stream.ToString(), "kept");
    EXPECT_EQ(stream.Position(), 4);
}

TEST_F(BuildChartRequestTest, NoServiceLeavesAnEmptyStream) {
    service_.Stop(SIGTERM);
    TMemoryStream stream;
    EXPECT_NO_THROW(BuildChartRequest(200, 200, 0, stream, "nobody listens"));
    EXPECT_EQ(stream.Size(), 0);
}
