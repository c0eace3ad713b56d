#include "EscPosReading.h"

#include "ticket/EscPos.h"
#include "ticket/RawPrinter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using testsupport::readEscPos;

ticket::Raster randomRaster(int width, int height) {
    ticket::Raster raster{width, height, {}};
    std::mt19937 random(7);
    raster.bits.resize(std::size_t(raster.rowBytes()) * std::size_t(height));
    for (auto& byte : raster.bits) {
        byte = static_cast<std::uint8_t>(random());
    }
    return raster;
}

// The job the receipt printer reads back is the picture, dot for dot, in bands of 255 rows.
TEST(EscPosJob, ReadsBackAsTheRasterInBandsOf255Rows) {
    const ticket::Raster raster = randomRaster(384, 600);
    const std::string job = ticket::escPosJob(raster);
    EXPECT_EQ(job.substr(0, 2), "\x1b@");
    EXPECT_EQ(job.substr(2, 8), std::string("\x1dv0\0\x30\x00\xff\x00", 8));
    EXPECT_EQ(job.substr(job.size() - 6), "\x1b"
                                          "d\x04\x1dV\x01");
    const auto reading = readEscPos(job);
    ASSERT_EQ(reading.error, "");
    EXPECT_EQ(reading.bands, 3); // 255 + 255 + 90 rows
    EXPECT_TRUE(reading.cut);
    ASSERT_EQ(reading.picture.width, 384);
    ASSERT_EQ(reading.picture.height, 600);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 384; ++x) {
            const bool black = reading.picture.rgba[(std::size_t(y) * 384 + x) * 4] == 0;
            ASSERT_EQ(black, raster.black(x, y)) << x << "," << y;
        }
    }
}

// A job the printer would not print right is named, where it goes wrong.
TEST(EscPosReceiver, ReportsAJobThatIsNotWellFormed) {
    const std::string job = ticket::escPosJob(randomRaster(16, 3));
    EXPECT_EQ(readEscPos(job.substr(0, job.size() - 10)).error,
              "a GS v 0 band whose data ends early at byte 2");
    EXPECT_EQ(readEscPos(job + "\x1b"
                               "E\x01")
                  .error,
              "an unknown command 0x1B at byte " + std::to_string(job.size()));
    EXPECT_EQ(readEscPos(std::string("\x1dv0\0\x02\x00\x00\x01", 8) + std::string(512, '\0')).error,
              "a GS v 0 band of 256 rows of 2 bytes at byte 0");
    EXPECT_EQ(readEscPos(job + std::string("\x1dv0\0\x03\x00\x01\x00xyz", 11)).error,
              "a GS v 0 band of another width at byte " + std::to_string(job.size()));
}

// 58 mm paper is 510 tenths wide in the settings (58 × 10 − 70), 80 mm paper 730.
TEST(EscPosJob, TheHeadIs384DotsFor58MillimetrePaperAnd576For80) {
    EXPECT_EQ(ticket::headDots(510), 384);
    EXPECT_EQ(ticket::headDots(629), 384); // 69.9 mm
    EXPECT_EQ(ticket::headDots(630), 576); // 70 mm
    EXPECT_EQ(ticket::headDots(730), 576);
}

TEST(RawPrinter, RawQueuesAndGenericTextDriversTakeBytes) {
    EXPECT_TRUE(ticket::takesRawBytes({"Local Raw Printer", "", ""}));
    EXPECT_TRUE(ticket::takesRawBytes({"", "Generic / Text Only", "USB001"}));
    EXPECT_TRUE(ticket::takesRawBytes({"", "generic / text only", "LPT1:"}));
    EXPECT_TRUE(ticket::takesRawBytes({"", "POS-58", "192.168.1.50:9100"}));
    EXPECT_FALSE(ticket::takesRawBytes({"Generic CUPS-PDF Printer (no options)", "", ""}));
    EXPECT_FALSE(ticket::takesRawBytes({"", "HP LaserJet", "IP_192.168.1.50"}));
    EXPECT_FALSE(ticket::takesRawBytes({"", "TicketWine", "CUPS:TicketWine"}));
}

} // namespace
