#include "EcbStream.h"

#include "common/Errors.h"

#include <algorithm>

namespace settings {

void DecryptStreamEcb(ByteStream& source, std::int32_t count, const Key192& key,
                      ByteStream& destination) {
    const KeySchedule192 schedule = MakeDecryptionSchedule(key);
    DecryptStreamEcb(source, count, schedule, destination);
}

void DecryptStreamEcb(ByteStream& source, std::int32_t count, const KeySchedule192& schedule,
                      ByteStream& destination) {
    std::int64_t amount = 0;
    if (count == 0) {
        source.setPosition(0);
        amount = source.size();
    } else {
        amount = std::min<std::int64_t>(count, source.size() - source.position());
    }
    if (amount <= 0) {
        return;
    }
    if (amount % 16 != 0) {
        throw EAESError("Invalid buffer size for decryption");
    }
    Block128 in;
    Block128 out;
    for (; amount >= 16; amount -= 16) {
        if (source.read(in.data(), in.size()) < in.size()) {
            throw EStreamError("Stream read error");
        }
        DecryptBlock(in.data(), schedule, out.data());
        if (destination.write(out.data(), out.size()) < out.size()) {
            throw EStreamError("Stream write error");
        }
    }
}

} // namespace settings
