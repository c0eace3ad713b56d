#include "Aes192.h"

#include "AesTables.h"

#include <bit>

using settings::aes::inverseRoundTable;
using settings::aes::inverseSbox;
using settings::aes::roundTable;
using settings::aes::sbox;

namespace settings {

namespace {

using Word = std::uint32_t;
using RoundKey = std::array<Word, 4>;

std::uint8_t byteOf(Word word, int n) {
    return static_cast<std::uint8_t>(word >> (8 * n));
}

Word loadWord(const std::uint8_t* bytes) {
    return aes::packWord(bytes[0], bytes[1], bytes[2], bytes[3]);
}

void storeWord(Word word, std::uint8_t* bytes) {
    for (int n = 0; n < 4; ++n) {
        bytes[n] = byteOf(word, n);
    }
}

Word substituteWord(Word word) {
    return aes::packWord(sbox[byteOf(word, 0)], sbox[byteOf(word, 1)], sbox[byteOf(word, 2)],
                         sbox[byteOf(word, 3)]);
}

// InvMixColumns of one column: the inverse round table undoes the S-box it holds when it is
// indexed through the S-box.
Word inverseMixWord(Word word) {
    return inverseRoundTable[sbox[byteOf(word, 0)]] ^
           std::rotl(inverseRoundTable[sbox[byteOf(word, 1)]], 8) ^
           std::rotl(inverseRoundTable[sbox[byteOf(word, 2)]], 16) ^
           std::rotl(inverseRoundTable[sbox[byteOf(word, 3)]], 24);
}

// One inverse round: InvShiftRows brings row r of column c - r into column c.
inline void inverseRound(const Word* s, Word* t, const RoundKey& key) {
    t[0] = inverseRoundTable[byteOf(s[0], 0)] ^ std::rotl(inverseRoundTable[byteOf(s[3], 1)], 8) ^
           std::rotl(inverseRoundTable[byteOf(s[2], 2)], 16) ^
           std::rotl(inverseRoundTable[byteOf(s[1], 3)], 24) ^ key[0];
    t[1] = inverseRoundTable[byteOf(s[1], 0)] ^ std::rotl(inverseRoundTable[byteOf(s[0], 1)], 8) ^
           std::rotl(inverseRoundTable[byteOf(s[3], 2)], 16) ^
           std::rotl(inverseRoundTable[byteOf(s[2], 3)], 24) ^ key[1];
    t[2] = inverseRoundTable[byteOf(s[2], 0)] ^ std::rotl(inverseRoundTable[byteOf(s[1], 1)], 8) ^
           std::rotl(inverseRoundTable[byteOf(s[0], 2)], 16) ^
           std::rotl(inverseRoundTable[byteOf(s[3], 3)], 24) ^ key[2];
    t[3] = inverseRoundTable[byteOf(s[3], 0)] ^ std::rotl(inverseRoundTable[byteOf(s[2], 1)], 8) ^
           std::rotl(inverseRoundTable[byteOf(s[1], 2)], 16) ^
           std::rotl(inverseRoundTable[byteOf(s[0], 3)], 24) ^ key[3];
}

inline Word inverseLastColumn(const Word* s, int c, const RoundKey& key) {
    return aes::packWord(inverseSbox[byteOf(s[c], 0)], inverseSbox[byteOf(s[(c + 3) & 3], 1)],
                         inverseSbox[byteOf(s[(c + 2) & 3], 2)],
                         inverseSbox[byteOf(s[(c + 1) & 3], 3)]) ^
           key[static_cast<std::size_t>(c)];
}

// One round of the cipher: ShiftRows brings row r of column c + r into column c.
inline void forwardRound(const Word* s, Word* t, const RoundKey& key) {
    for (int c = 0; c < 4; ++c) {
        t[c] = roundTable[byteOf(s[c], 0)] ^ std::rotl(roundTable[byteOf(s[(c + 1) & 3], 1)], 8) ^
               std::rotl(roundTable[byteOf(s[(c + 2) & 3], 2)], 16) ^
               std::rotl(roundTable[byteOf(s[(c + 3) & 3], 3)], 24) ^
               key[static_cast<std::size_t>(c)];
    }
}

} // namespace

KeySchedule192 ExpandKey192(const Key192& key) {
    std::array<Word, 52> words{};
    for (std::size_t i = 0; i < 6; ++i) {
        words[i] = loadWord(key.data() + 4 * i);
    }
    for (std::size_t i = 6; i < words.size(); ++i) {
        Word temp = words[i - 1];
        if (i % 6 == 0) {
            // RotWord moves byte 1 to byte 0: a right rotation of the packed word.
            temp = substituteWord(std::rotr(temp, 8)) ^ aes::roundConstants[i / 6 - 1];
        }
        words[i] = words[i - 6] ^ temp;
    }
    KeySchedule192 schedule;
    for (std::size_t r = 0; r < schedule.round.size(); ++r) {
        for (std::size_t c = 0; c < 4; ++c) {
            schedule.round[r][c] = words[4 * r + c];
        }
    }
    return schedule;
}

KeySchedule192 MakeDecryptionSchedule(const Key192& key) {
    KeySchedule192 schedule = ExpandKey192(key);
    for (std::size_t r = 1; r <= 11; ++r) {
        for (Word& word : schedule.round[r]) {
            word = inverseMixWord(word);
        }
    }
    return schedule;
}

void DecryptBlock(const std::uint8_t* in, const KeySchedule192& schedule, std::uint8_t* out) {
    const auto& k = schedule.round;
    Word a[4];
    Word b[4];
    for (int c = 0; c < 4; ++c) {
        a[c] = loadWord(in + 4 * c) ^ k[12][static_cast<std::size_t>(c)];
    }
    inverseRound(a, b, k[11]);
    inverseRound(b, a, k[10]);
    inverseRound(a, b, k[9]);
    inverseRound(b, a, k[8]);
    inverseRound(a, b, k[7]);
    inverseRound(b, a, k[6]);
    inverseRound(a, b, k[5]);
    inverseRound(b, a, k[4]);
    inverseRound(a, b, k[3]);
    inverseRound(b, a, k[2]);
    inverseRound(a, b, k[1]);
    storeWord(inverseLastColumn(b, 0, k[0]), out);
    storeWord(inverseLastColumn(b, 1, k[0]), out + 4);
    storeWord(inverseLastColumn(b, 2, k[0]), out + 8);
    storeWord(inverseLastColumn(b, 3, k[0]), out + 12);
}

void EncryptBlock(const std::uint8_t* in, const KeySchedule192& schedule, std::uint8_t* out) {
    const auto& k = schedule.round;
    Word a[4];
    Word b[4];
    for (int c = 0; c < 4; ++c) {
        a[c] = loadWord(in + 4 * c) ^ k[0][static_cast<std::size_t>(c)];
    }
    for (std::size_t r = 1; r <= 11; ++r) {
        forwardRound(a, b, k[r]);
        std::copy(b, b + 4, a);
    }
    for (int c = 0; c < 4; ++c) {
        const Word word =
            aes::packWord(sbox[byteOf(a[c], 0)], sbox[byteOf(a[(c + 1) & 3], 1)],
                          sbox[byteOf(a[(c + 2) & 3], 2)], sbox[byteOf(a[(c + 3) & 3], 3)]) ^
            k[12][static_cast<std::size_t>(c)];
        storeWord(word, out + 4 * c);
    }
}

} // namespace settings
