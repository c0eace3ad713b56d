#include "AesOracle.h"
#include "settings/Aes192.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

using oracle::fromHex;
using oracle::toHex;

settings::Key192 keyOf(const std::string& hex) {
    const std::string bytes = fromHex(hex);
    settings::Key192 key{};
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
}

std::string decryptBlock(const std::string& keyHex, const std::string& cipherHex) {
    const auto schedule = settings::MakeDecryptionSchedule(keyOf(keyHex));
    const std::string in = fromHex(cipherHex);
    std::string out(16, '\0');
    settings::DecryptBlock(reinterpret_cast<const std::uint8_t*>(in.data()), schedule,
                           reinterpret_cast<std::uint8_t*>(out.data()));
    return toHex(out);
}

std::string encryptBlock(const std::string& keyHex, const std::string& plainHex) {
    const auto schedule = settings::ExpandKey192(keyOf(keyHex));
    const std::string in = fromHex(plainHex);
    std::string out(16, '\0');
    settings::EncryptBlock(reinterpret_cast<const std::uint8_t*>(in.data()), schedule,
                           reinterpret_cast<std::uint8_t*>(out.data()));
    return toHex(out);
}

// FIPS-197 Appendix C.2, the AES-192 example.
TEST(AesKnownAnswers, TheFips197ExampleBothWays) {
    const std::string key = "000102030405060708090a0b0c0d0e0f1011121314151617";
    EXPECT_EQ(decryptBlock(key, "dda97ca4864cdfe06eaf70a0ec0d7191"),
              "00112233445566778899aabbccddeeff");
    EXPECT_EQ(encryptBlock(key, "00112233445566778899aabbccddeeff"),
              "dda97ca4864cdfe06eaf70a0ec0d7191");
}

// FIPS-197 Appendix A.2: the expansion of its AES-192 key ends with the word 01002202, which
// packs with its first byte in the low 8 bits.
TEST(AesKnownAnswers, TheFips197KeyExpansionEndsWithItsLastWord) {
    const auto schedule =
        settings::ExpandKey192(keyOf("8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b"));
    EXPECT_EQ(schedule.round[0][0], 0xf7b0738eu);
    EXPECT_EQ(schedule.round[12][3], 0x02220001u);
}

struct KnownAnswer {
    std::string file;
    std::string section;
    std::string key;
    std::string plaintext;
    std::string ciphertext;
};

std::vector<KnownAnswer> readResponseFile(const std::string& name) {
    std::ifstream file(std::string(QHT_TEST_DATA) + "/aes/" + name);
    std::vector<KnownAnswer> answers;
    std::string line;
    std::string section;
    KnownAnswer answer;
    const std::regex field(R"(^(KEY|PLAINTEXT|CIPHERTEXT) = ([0-9a-f]+)\r?$)");
    while (std::getline(file, line)) {
        std::smatch match;
        if (line.starts_with("[")) {
            section = line.substr(0, line.find(']') + 1);
        } else if (std::regex_match(line, match, field)) {
            (match[1] == "KEY"         ? answer.key
             : match[1] == "PLAINTEXT" ? answer.plaintext
                                       : answer.ciphertext) = match[2];
            if (!answer.key.empty() && !answer.plaintext.empty() && !answer.ciphertext.empty()) {
                answer.file = name;
                answer.section = section;
                answers.push_back(answer);
                answer = KnownAnswer{};
            }
        }
    }
    return answers;
}

// NIST CAVP AESVS known-answer data for AES-192 in ECB mode (CAVS 11.1, generated 2011-04-22):
// ECBGFSbox192.rsp whole; ECBVarTxt192.rsp with its ENCRYPT section, whose pairs its DECRYPT
// section repeats; single entries of ECBKeySbox192.rsp and ECBVarKey192.rsp. Every pair is run
// both ways, whatever its section.
TEST(AesKnownAnswers, TheNistResponseFilesBothWays) {
    int checked = 0;
    for (const char* name :
         {"ECBGFSbox192.rsp", "ECBVarTxt192.rsp", "ECBKeySbox-VarKey192-excerpt.rsp"}) {
        const auto answers = readResponseFile(name);
        ASSERT_FALSE(answers.empty()) << name;
        for (const KnownAnswer& answer : answers) {
            EXPECT_EQ(decryptBlock(answer.key, answer.ciphertext), answer.plaintext)
                << answer.file << " " << answer.section << " " << answer.ciphertext;
            EXPECT_EQ(encryptBlock(answer.key, answer.plaintext), answer.ciphertext)
                << answer.file << " " << answer.section << " " << answer.plaintext;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12 + 128 + 3);
}

} // namespace
