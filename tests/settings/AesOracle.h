#pragma once

#include <string>

// AES-192-ECB without padding from an independent implementation, the oracle our cipher is
// checked against: OpenSSL on Linux, the system's CNG (BCrypt) on Windows.
namespace oracle {

std::string encrypt(const std::string& key, const std::string& plaintext);
std::string decrypt(const std::string& key, const std::string& ciphertext);

// What each implementation provides: AES-192-ECB of whole blocks, one way or the other.
std::string runCipher(const std::string& key, const std::string& input, bool encrypting);

std::string toHex(const std::string& bytes);
std::string fromHex(const std::string& hex);

} // namespace oracle
