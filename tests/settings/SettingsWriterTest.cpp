#include "settings/SettingsWriter.h"
#include "AesOracle.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

namespace {

const std::string settingsKey = std::string("qmtv527") + std::string(17, '\0');

TEST(SettingsWriter, WritesUpperCaseHexOfAHeaderAndWholeBlocks) {
    const std::string text = settings::EncodeSettingsText({"T", "A", "B", "58"}, "qmtv527");
    EXPECT_EQ(text.size(), 2u * (8 + 16));
    EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    const std::string plaintext = oracle::decrypt(settingsKey, oracle::fromHex(text).substr(8));
    EXPECT_EQ(plaintext, std::string("T\r\nA\r\nB\r\n58\0\0\0\0\0", 16));
}

TEST(SettingsWriter, EmptyLinesStillGiveOneBlock) {
    const std::string text = settings::EncodeSettingsText({"", "", "", ""}, "qmtv527");
    EXPECT_EQ(text.size(), 2u * (8 + 16));
}

TEST(SettingsWriter, WhatItWritesReadsBackAsTheSameLines) {
    std::mt19937 random(4);
    const std::string alphabet = "0123456789 abcXYZ-#*\r\n\xb0\xb6\xd6\xdb\xa3\xac";
    testsupport::TempFolder folder;
    const auto path = folder / "cs.cd";
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> lines(4);
        for (int k = 0; k < 3; ++k) {
            const int length = static_cast<int>(random() % 30);
            for (int i = 0; i < length; ++i) {
                lines[static_cast<std::size_t>(k)] += alphabet[random() % alphabet.size()];
            }
            // A CR LF inside a line is refused; keep the random line readable back.
            std::string& line = lines[static_cast<std::size_t>(k)];
            for (std::size_t at; (at = line.find("\r\n")) != std::string::npos;) {
                line.erase(at, 1);
            }
        }
        lines[3] = std::to_string(10 + random() % 291);
        settings::WriteSettings(settings::Settings(lines), path);
        const auto read = settings::ReadSettings(path);
        for (int k = 1; k <= 4; ++k) {
            ASSERT_EQ(read.line(k), lines[static_cast<std::size_t>(k - 1)]) << "round " << round;
        }
        ASSERT_EQ(read.paperWidth(), std::stoi(lines[3]) * 10 - 70);
        const std::string plaintext =
            oracle::decrypt(settingsKey, oracle::fromHex(testsupport::readBytes(path)).substr(8));
        ASSERT_EQ(plaintext.substr(0, plaintext.find('\0')),
                  lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3]);
    }
}

TEST(SettingsWriter, RefusesLinesThatCannotBeReadBackAndWritesNothing) {
    testsupport::TempFolder folder;
    const auto path = folder / "cs.cd";
    testsupport::writeBytes(path, "old");
    EXPECT_THROW(settings::WriteSettings(settings::Settings({"a\r\nb", "", "", "58"}), path),
                 std::invalid_argument);
    EXPECT_THROW(
        settings::WriteSettings(settings::Settings({"", std::string("a\0b", 3), "", "58"}), path),
        std::invalid_argument);
    EXPECT_EQ(testsupport::readBytes(path), "old");
}

} // namespace
