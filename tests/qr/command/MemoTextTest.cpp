#include <gtest/gtest.h>

#include "qr/command/GenerateQrImage.h"
#include "qr/command/MemoText.h"

namespace {

TEST(MemoTextTest, LineBreaksLeaveTheEditorAsCrLfAndComeBackAsItsOwn) {
    EXPECT_EQ(ToCrLfText(QStringLiteral("one\ntwo\n\nthree")), "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(ToCrLfText(QStringLiteral("one\r\ntwo\rthree")), "one\r\ntwo\r\nthree")
        << "never CR CR LF";
    EXPECT_EQ(ToCrLfText(QString::fromUtf8("caf\xC3\xA9")), "caf\xC3\xA9") << "UTF-8";
    EXPECT_EQ(FromCrLfText("one\r\ntwo\r\n\r\nthree"), QStringLiteral("one\ntwo\n\nthree"));
    EXPECT_EQ(FromCrLfText("one\rtwo"), QStringLiteral("one\ntwo"));
}

TEST(RequestSizeTest, RoundsHalvesToTheEvenNeighbour) {
    const struct {
        double value;
        std::uint16_t sent;
    } cases[] = {
        {100, 100},    {540, 540},   {100.5, 100}, {101.5, 102},   {199.49, 199},
        {199.51, 200}, {539.5, 540}, {-3, 0},      {70000, 65535}, {65535.4, 65535},
    };
    for (const auto& sizeCase : cases)
        EXPECT_EQ(RequestSize(sizeCase.value), sizeCase.sent) << sizeCase.value;
}

}  // namespace
