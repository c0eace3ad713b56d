#include "settings/SettingsFile.h"
#include "AesOracle.h"
#include "common/Errors.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// The settings key spelled out: "qmtv527" and 17 zero bytes.
const std::string settingsKey = std::string("qmtv527") + std::string(17, '\0');

// A settings file text made by the oracle from raw plaintext bytes (padded with zeros to whole
// blocks), behind an arbitrary header.
std::string fileTextFor(const std::string& plaintext) {
    std::string padded = plaintext;
    padded.resize((padded.size() + 15) / 16 * 16, '\0');
    return oracle::toHex("\x01\x02\x03\x04\x05\x06\x07\x08" + oracle::encrypt(settingsKey, padded));
}

template <typename Error> std::string failureOf(const std::string& fileText) {
    testsupport::TempFolder folder;
    testsupport::writeBytes(folder / "cs.cd", fileText);
    try {
        settings::ReadSettings(folder / "cs.cd");
    } catch (const Error& error) {
        return error.what();
    }
    return "no failure of that kind";
}

settings::Settings read(const std::string& fileText) {
    testsupport::TempFolder folder;
    testsupport::writeBytes(folder / "cs.cd", fileText);
    return settings::ReadSettings(folder / "cs.cd");
}

TEST(HexTextToBytes, DecodesPairsFromTheStartAndAnOddLastDigitAlone) {
    EXPECT_EQ(settings::HexTextToBytes(""), "");
    EXPECT_EQ(settings::HexTextToBytes("00ff7A"), std::string("\x00\xff\x7a", 3));
    EXPECT_EQ(settings::HexTextToBytes("aBc"), std::string("\xab\x0c", 2));
}

TEST(HexTextToBytes, ABadPairNamesItselfAfter0x) {
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"00G1", "'0xG1' is not a valid integer value"},
             {"0 1", "'0x0 ' is not a valid integer value"},
             {"00\r\n", "'0x\r\n' is not a valid integer value"},
             {"00+", "'0x+' is not a valid integer value"},
             {"\xef\xbb\xbf", "'0x\xef\xbb' is not a valid integer value"}}) {
        try {
            settings::HexTextToBytes(text);
            ADD_FAILURE() << "decoded " << text;
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

TEST(ReadSettings, ReadsTheFourLinesAndThePaperWidth) {
    const auto settings = read(fileTextFor("\xb0\xb6\xd6\xdb\r\nroad 1\r\n0571-1\r\n58"));
    EXPECT_EQ(settings.lines(), (Lines{"\xb0\xb6\xd6\xdb", "road 1", "0571-1", "58"}));
    EXPECT_EQ(settings.line(1), "\xb0\xb6\xd6\xdb");
    EXPECT_EQ(settings.line(5), "");
    EXPECT_EQ(settings.line(0), "");
    EXPECT_EQ(settings.paperWidth(), 510);
}

TEST(ReadSettings, HexCaseDoesNotMatter) {
    const std::string text = fileTextFor("T\r\n\r\n\r\n80");
    std::string upper = text;
    std::string mixed = text;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    for (std::size_t i = 0; i < mixed.size(); i += 2) {
        mixed[i] = static_cast<char>(std::toupper(mixed[i]));
    }
    for (const std::string& variant : {text, upper, mixed}) {
        EXPECT_EQ(read(variant).lines(), (Lines{"T", "", "", "80"}));
        EXPECT_EQ(read(variant).paperWidth(), 730);
    }
}

TEST(ReadSettings, AZeroByteEndsBothTheFileTextAndThePlaintext) {
    const std::string text = fileTextFor(std::string("T\r\nA\r\nB\r\n58\0"
                                                     "junk\r\n99",
                                                     20));
    const auto settings = read(text + std::string("\0"
                                                  "ZZ not hex",
                                                  11));
    EXPECT_EQ(settings.lines(), (Lines{"T", "A", "B", "58"}));
    EXPECT_EQ(settings.paperWidth(), 510);
}

TEST(ReadSettings, OnlyCrLfSplitsLinesAndLinesAfterTheFourthAreIgnored) {
    const auto settings = read(fileTextFor("a\rb\r\nc\nd\r\n\r\n  $3A\r\nfifth\r\nsixth"));
    EXPECT_EQ(settings.line(1), "a\rb");
    EXPECT_EQ(settings.line(2), "c\nd");
    EXPECT_EQ(settings.line(3), "");
    EXPECT_EQ(settings.paperWidth(), 510);
}

TEST(ReadSettings, LineFiveOfOneAloneHasTheDrawsSaidAloud) {
    EXPECT_FALSE(read(fileTextFor("T\r\nA\r\nB\r\n58")).announces());
    EXPECT_TRUE(read(fileTextFor("T\r\nA\r\nB\r\n58\r\n1")).announces());
    EXPECT_TRUE(read(fileTextFor("T\r\nA\r\nB\r\n58\r\n1\r\nsixth")).announces());
    for (const char* other : {"0", "1 ", "yes", ""}) {
        EXPECT_FALSE(read(fileTextFor(std::string("T\r\nA\r\nB\r\n58\r\n") + other)).announces())
            << other;
    }
}

struct WidthCase {
    std::string line4;
    std::int32_t width;
};

void PrintTo(const WidthCase& c, std::ostream* out) {
    *out << "line 4 \"" << c.line4 << '"';
}

class PaperWidthForms : public testing::TestWithParam<WidthCase> {};

TEST_P(PaperWidthForms, ConvertLineFour) {
    EXPECT_EQ(read(fileTextFor("T\r\nA\r\nB\r\n" + GetParam().line4)).paperWidth(),
              GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Forms, PaperWidthForms,
                         testing::Values(WidthCase{"58", 510}, WidthCase{" 58", 510},
                                         WidthCase{"+58", 510}, WidthCase{"$3A", 510},
                                         WidthCase{"80", 730}, WidthCase{"0", -70},
                                         WidthCase{"-5", -120},
                                         WidthCase{"214748371", 2147483640}));

TEST(PaperWidthAcceptance, TakesTenToThreeHundredMillimetresInDigitsOnly) {
    for (const char* line : {"10", "58", "300", "080"}) {
        EXPECT_TRUE(settings::isAcceptedPaperWidthLine(line)) << line;
    }
    for (const char* line : {"9", "301", "", "+58", " 58", "$3A", "-5", "99999999999"}) {
        EXPECT_FALSE(settings::isAcceptedPaperWidthLine(line)) << line;
    }
}

TEST(ReadSettings, EveryMalformedFileFailsWithItsOwnError) {
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("T\r\nA\r\nB\r\n58") + "\r\n"),
              "'0x\r\n' is not a valid integer value");
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("T\r\nA\r\nB\r\n58") + "\n"),
              "'0x\r\n' is not a valid integer value");
    EXPECT_EQ(failureOf<EReadError>(""), "Stream read error");
    EXPECT_EQ(failureOf<EReadError>(std::string(14, '0')), "Stream read error");
    EXPECT_EQ(failureOf<EAESError>(std::string(15, '0')), "Invalid buffer size for decryption");
    EXPECT_EQ(failureOf<EAESError>(std::string(16, '0')), "Invalid buffer size for decryption");
    EXPECT_EQ(failureOf<EAESError>(std::string(16 + 48, '0')),
              "Invalid buffer size for decryption");
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("one line only")),
              "'' is not a valid integer value");
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("T\r\nA\r\nB")),
              "'' is not a valid integer value");
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("T\r\nA\r\nB\r\n58 ")),
              "'58 ' is not a valid integer value");
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("T\r\nA\r\nB\r\n58mm")),
              "'58mm' is not a valid integer value");
    EXPECT_EQ(failureOf<EConvertError>(fileTextFor("T\r\nA\r\nB\r\n214748372")),
              "'214748372' is not a valid integer value");
}

TEST(ReadSettings, AMissingFileFailsWithItsFullPath) {
    testsupport::TempFolder folder;
    try {
        settings::ReadSettings(folder / "cs.cd");
        FAIL() << "read a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + (folder / "cs.cd").string() +
                                                 "\". " + testsupport::missingFileReason());
    }
}

TEST(ReadSettings, AWrongKeyDecryptsToNonsenseThatFailsOnLineFour) {
    std::string plaintext = "T\r\nA\r\nB\r\n58";
    plaintext.resize(16, '\0');
    const std::string text = oracle::toHex(std::string(8, '\0') +
                                           oracle::encrypt("another key of 24 bytes!", plaintext));
    EXPECT_NE(failureOf<EConvertError>(text), "no failure of that kind");
}

TEST(DecodeSettingsText, GivesEveryDecryptedByteTrailingZerosIncluded) {
    const std::string plaintext = oracle::decrypt(settingsKey, std::string(32, 'c'));
    const std::string text = oracle::toHex(std::string(8, 'h') + std::string(32, 'c'));
    EXPECT_EQ(settings::DecodeSettingsText(text, "qmtv527"), plaintext);
    EXPECT_EQ(settings::DecodeSettingsText(fileTextFor("x"), "qmtv527"),
              "x" + std::string(15, '\0'));
}

TEST(KeyFromPassphrase, PadsWithZerosAndKeepsAtMost24Bytes) {
    settings::Key192 expected{};
    std::copy_n("qmtv527", 7, expected.begin());
    EXPECT_EQ(settings::keyFromPassphrase("qmtv527"), expected);
    const auto longKey = settings::keyFromPassphrase(std::string(30, 'k'));
    EXPECT_TRUE(std::all_of(longKey.begin(), longKey.end(), [](auto b) { return b == 'k'; }));
}

} // namespace
