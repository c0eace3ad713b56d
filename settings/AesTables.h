#pragma once

#include <array>
#include <cstdint>

// The constant tables of AES, worked out by the compiler from the field arithmetic of FIPS-197 so
// that no hand-typed entry can be wrong; they live in read-only data like any other constant.
namespace settings::aes {

constexpr std::uint8_t xtime(std::uint8_t x) {
    return static_cast<std::uint8_t>((x << 1) ^ ((x & 0x80) ? 0x1b : 0));
}

constexpr std::uint8_t multiply(std::uint8_t a, std::uint8_t b) {
    std::uint8_t product = 0;
    while (b != 0) {
        if (b & 1) {
            product ^= a;
        }
        a = xtime(a);
        b >>= 1;
    }
    return product;
}

constexpr std::uint8_t rotateByte(std::uint8_t x, int n) {
    return static_cast<std::uint8_t>((x << n) | (x >> (8 - n)));
}

constexpr std::array<std::uint8_t, 256> makeSbox() {
    // Powers of the generator 3 give every non-zero element once; the inverse of 3^k is
    // 3^(255 - k).
    std::array<std::uint8_t, 256> power{};
    std::array<std::uint8_t, 256> logarithm{};
    std::uint8_t x = 1;
    for (int k = 0; k < 255; ++k) {
        power[static_cast<std::size_t>(k)] = x;
        logarithm[x] = static_cast<std::uint8_t>(k);
        x = multiply(x, 3);
    }
    std::array<std::uint8_t, 256> box{};
    for (int value = 0; value < 256; ++value) {
        const std::uint8_t inverse =
            value == 0 ? 0
                       : power[static_cast<std::size_t>(
                             (255 - logarithm[static_cast<std::size_t>(value)]) % 255)];
        box[static_cast<std::size_t>(value)] =
            static_cast<std::uint8_t>(inverse ^ rotateByte(inverse, 1) ^ rotateByte(inverse, 2) ^
                                      rotateByte(inverse, 3) ^ rotateByte(inverse, 4) ^ 0x63);
    }
    return box;
}

inline constexpr std::array<std::uint8_t, 256> sbox = makeSbox();

constexpr std::array<std::uint8_t, 256> makeInverseSbox() {
    std::array<std::uint8_t, 256> box{};
    for (std::size_t x = 0; x < 256; ++x) {
        box[sbox[x]] = static_cast<std::uint8_t>(x);
    }
    return box;
}

inline constexpr std::array<std::uint8_t, 256> inverseSbox = makeInverseSbox();

constexpr std::uint32_t packWord(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                                 std::uint8_t b3) {
    return std::uint32_t{b0} | (std::uint32_t{b1} << 8) | (std::uint32_t{b2} << 16) |
           (std::uint32_t{b3} << 24);
}

// Entry x: 0e·s, 09·s, 0d·s, 0b·s of s = InvSbox[x], low byte first.
constexpr std::array<std::uint32_t, 256> makeInverseRoundTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::size_t x = 0; x < 256; ++x) {
        const std::uint8_t s = inverseSbox[x];
        table[x] =
            packWord(multiply(s, 0x0e), multiply(s, 0x09), multiply(s, 0x0d), multiply(s, 0x0b));
    }
    return table;
}

inline constexpr std::array<std::uint32_t, 256> inverseRoundTable = makeInverseRoundTable();

// Entry x: 02·s, s, s, 03·s of s = Sbox[x], low byte first.
constexpr std::array<std::uint32_t, 256> makeRoundTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::size_t x = 0; x < 256; ++x) {
        const std::uint8_t s = sbox[x];
        table[x] = packWord(multiply(s, 0x02), s, s, multiply(s, 0x03));
    }
    return table;
}

inline constexpr std::array<std::uint32_t, 256> roundTable = makeRoundTable();

inline constexpr std::array<std::uint8_t, 8> roundConstants = {0x01, 0x02, 0x04, 0x08,
                                                               0x10, 0x20, 0x40, 0x80};

} // namespace settings::aes
