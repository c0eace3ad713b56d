#include "AesOracle.h"

// windows.h first: bcrypt.h needs its types.
#include <windows.h>

#include <bcrypt.h>

#include <stdexcept>

namespace oracle {

namespace {

class AlgorithmHandle {
public:
    AlgorithmHandle() {
        if (!BCRYPT_SUCCESS(
                BCryptOpenAlgorithmProvider(&handle_, BCRYPT_AES_ALGORITHM, nullptr, 0))) {
            throw std::runtime_error("BCrypt AES provider missing");
        }
        const wchar_t* mode = BCRYPT_CHAIN_MODE_ECB;
        if (!BCRYPT_SUCCESS(BCryptSetProperty(
                handle_, BCRYPT_CHAINING_MODE, reinterpret_cast<UCHAR*>(const_cast<wchar_t*>(mode)),
                static_cast<ULONG>((wcslen(mode) + 1) * sizeof(wchar_t)), 0))) {
            throw std::runtime_error("BCrypt ECB mode refused");
        }
    }
    ~AlgorithmHandle() { BCryptCloseAlgorithmProvider(handle_, 0); }
    AlgorithmHandle(const AlgorithmHandle&) = delete;
    AlgorithmHandle& operator=(const AlgorithmHandle&) = delete;

    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

} // namespace

std::string runCipher(const std::string& key, const std::string& input, bool encrypting) {
    static const AlgorithmHandle algorithm;
    BCRYPT_KEY_HANDLE keyHandle = nullptr;
    std::string keyBytes = key;
    if (key.size() != 24 ||
        !BCRYPT_SUCCESS(BCryptGenerateSymmetricKey(algorithm.get(), &keyHandle, nullptr, 0,
                                                   reinterpret_cast<UCHAR*>(keyBytes.data()),
                                                   static_cast<ULONG>(keyBytes.size()), 0))) {
        throw std::runtime_error("BCrypt key set-up failed");
    }
    std::string in = input;
    std::string output(input.size(), '\0');
    ULONG written = 0;
    auto* inBytes = reinterpret_cast<UCHAR*>(in.data());
    auto* outBytes = reinterpret_cast<UCHAR*>(output.data());
    const auto size = static_cast<ULONG>(in.size());
    const NTSTATUS status = encrypting ? BCryptEncrypt(keyHandle, inBytes, size, nullptr, nullptr,
                                                       0, outBytes, size, &written, 0)
                                       : BCryptDecrypt(keyHandle, inBytes, size, nullptr, nullptr,
                                                       0, outBytes, size, &written, 0);
    BCryptDestroyKey(keyHandle);
    if (!BCRYPT_SUCCESS(status) || written != size) {
        throw std::runtime_error("BCrypt cipher failed");
    }
    return output;
}

} // namespace oracle
