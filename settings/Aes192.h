#pragma once

#include <array>
#include <cstdint>

// AES-192 (FIPS-197) on single 16-byte blocks. Round-key words pack four consecutive key-schedule
// bytes with the first byte in the low 8 bits; state bytes map in the standard's order (byte i is
// row i mod 4 of column i div 4). Nothing here allocates.

namespace settings {

using Key192 = std::array<std::uint8_t, 24>;
using Block128 = std::array<std::uint8_t, 16>;

// The 13 round keys (rounds 0 to 12) of four words each.
struct KeySchedule192 {
    std::array<std::array<std::uint32_t, 4>, 13> round{};
};

// The FIPS-197 key expansion with Nk = 6: the round keys of the cipher.
KeySchedule192 ExpandKey192(const Key192& key);

// The round keys of the equivalent inverse cipher: ExpandKey192, then InvMixColumns applied to
// round keys 1 to 11.
KeySchedule192 MakeDecryptionSchedule(const Key192& key);

// The equivalent inverse cipher with Nr = 12 under a schedule from MakeDecryptionSchedule.
void DecryptBlock(const std::uint8_t* in, const KeySchedule192& schedule, std::uint8_t* out);

// The cipher under a schedule from ExpandKey192; the settings writer needs it.
void EncryptBlock(const std::uint8_t* in, const KeySchedule192& schedule, std::uint8_t* out);

} // namespace settings
