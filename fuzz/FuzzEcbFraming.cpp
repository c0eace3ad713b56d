// The ECB stream framing with any count and position: the output is exactly the amount, whole
// blocks only, and what our cipher enciphered deciphers back.
#include "common/Errors.h"
#include "settings/Aes192.h"
#include "settings/ByteStream.h"
#include "settings/EcbStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8 + 24) {
        return 0;
    }
    std::int32_t count = 0;
    std::uint32_t position = 0;
    std::memcpy(&count, data, 4);
    std::memcpy(&position, data + 4, 4);
    settings::Key192 key;
    std::memcpy(key.data(), data + 8, key.size());
    const std::string body(reinterpret_cast<const char*>(data + 32), size - 32);

    settings::MemoryStream source(body);
    source.setPosition(position % (body.size() + 1));
    settings::MemoryStream destination;
    const std::int64_t start = count == 0 ? 0 : source.position();
    const std::int64_t amount =
        count == 0 ? source.size() : std::min<std::int64_t>(count, source.size() - start);
    try {
        settings::DecryptStreamEcb(source, count, key, destination);
        if (amount > 0 && (amount % 16 != 0 || destination.size() != amount)) {
            std::abort();
        }
        if (amount <= 0 && destination.size() != 0) {
            std::abort();
        }
    } catch (const EAESError&) {
        if (amount <= 0 || amount % 16 == 0 || destination.size() != 0) {
            std::abort();
        }
    }

    // decrypt(encrypt(x)) = x on the whole blocks of the body.
    const auto encryption = settings::ExpandKey192(key);
    const auto decryption = settings::MakeDecryptionSchedule(key);
    for (std::size_t offset = 0; offset + 16 <= body.size(); offset += 16) {
        std::uint8_t sealed[16];
        std::uint8_t opened[16];
        settings::EncryptBlock(reinterpret_cast<const std::uint8_t*>(body.data() + offset),
                               encryption, sealed);
        settings::DecryptBlock(sealed, decryption, opened);
        if (std::memcmp(opened, body.data() + offset, 16) != 0) {
            std::abort();
        }
    }
    return 0;
}
