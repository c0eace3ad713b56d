#include "AesOracle.h"
#include "settings/ByteStream.h"
#include "settings/EcbStream.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string randomBytes(std::mt19937& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

settings::Key192 keyOf(const std::string& bytes) {
    settings::Key192 key{};
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
}

// Thousands of random keys and texts of 1 to 40 blocks, each way against the oracle.
TEST(AesOracle, OurDecryptionOfTheOraclesCiphertextAndItsDecryptionOfOurs) {
    std::mt19937 random(197);
    for (int round = 0; round < 3000; ++round) {
        const std::string key = randomBytes(random, 24);
        const std::string plaintext = randomBytes(random, 16 * (1 + random() % 40));

        settings::MemoryStream source(oracle::encrypt(key, plaintext));
        settings::MemoryStream decrypted;
        settings::DecryptStreamEcb(source, 0, keyOf(key), decrypted);
        ASSERT_EQ(decrypted.bytes(), plaintext) << "round " << round;

        const auto schedule = settings::ExpandKey192(keyOf(key));
        std::string ours(plaintext.size(), '\0');
        for (std::size_t offset = 0; offset < plaintext.size(); offset += 16) {
            settings::EncryptBlock(reinterpret_cast<const std::uint8_t*>(plaintext.data() + offset),
                                   schedule, reinterpret_cast<std::uint8_t*>(ours.data() + offset));
        }
        ASSERT_EQ(oracle::decrypt(key, ours), plaintext) << "round " << round;
    }
}

} // namespace
