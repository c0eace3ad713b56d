#pragma once

#include "Aes192.h"
#include "ByteStream.h"

#include <cstdint>

namespace settings {

// Decrypts a run of 16-byte blocks from one stream into another with AES-192 in ECB mode. A count
// of 0 means the whole source from its start; otherwise the source is read from its position, at
// most count bytes. An amount that is not a multiple of 16 fails with EAESError "Invalid buffer
// size for decryption" before anything is read; a short read or write fails with EStreamError
// "Stream read error" / "Stream write error", the blocks done so far staying written.
void DecryptStreamEcb(ByteStream& source, std::int32_t count, const Key192& key,
                      ByteStream& destination);
void DecryptStreamEcb(ByteStream& source, std::int32_t count, const KeySchedule192& schedule,
                      ByteStream& destination);

} // namespace settings
