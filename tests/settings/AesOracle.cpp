#include "AesOracle.h"

#include <string>

namespace oracle {

std::string encrypt(const std::string& key, const std::string& plaintext) {
    return runCipher(key, plaintext, true);
}

std::string decrypt(const std::string& key, const std::string& ciphertext) {
    return runCipher(key, ciphertext, false);
}

std::string toHex(const std::string& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (const char byte : bytes) {
        hex += digits[static_cast<unsigned char>(byte) >> 4];
        hex += digits[static_cast<unsigned char>(byte) & 15];
    }
    return hex;
}

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

} // namespace oracle
