#include "AesOracle.h"

#include <openssl/evp.h>

#include <memory>
#include <stdexcept>

namespace oracle {

std::string runCipher(const std::string& key, const std::string& input, bool encrypting) {
    const std::unique_ptr<EVP_CIPHER_CTX, void (*)(EVP_CIPHER_CTX*)> context(EVP_CIPHER_CTX_new(),
                                                                             &EVP_CIPHER_CTX_free);
    const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.data());
    if (!context || key.size() != 24 ||
        EVP_CipherInit_ex(context.get(), EVP_aes_192_ecb(), nullptr, keyBytes, nullptr,
                          encrypting ? 1 : 0) != 1) {
        throw std::runtime_error("OpenSSL cipher set-up failed");
    }
    EVP_CIPHER_CTX_set_padding(context.get(), 0);
    std::string output(input.size() + 16, '\0');
    int written = 0;
    int last = 0;
    auto* out = reinterpret_cast<unsigned char*>(output.data());
    if (EVP_CipherUpdate(context.get(), out, &written,
                         reinterpret_cast<const unsigned char*>(input.data()),
                         static_cast<int>(input.size())) != 1 ||
        EVP_CipherFinal_ex(context.get(), out + written, &last) != 1) {
        throw std::runtime_error("OpenSSL cipher failed");
    }
    output.resize(static_cast<std::size_t>(written + last));
    return output;
}

} // namespace oracle
