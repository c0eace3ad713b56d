#pragma once

#include <string>

// AES-192-ECB through OpenSSL, without padding: the oracle our cipher is checked against.
namespace oracle {

std::string encrypt(const std::string& key, const std::string& plaintext);
std::string decrypt(const std::string& key, const std::string& ciphertext);

std::string toHex(const std::string& bytes);
std::string fromHex(const std::string& hex);

} // namespace oracle
