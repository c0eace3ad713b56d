#pragma once

#include "Aes192.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The enciphered settings file: hexadecimal text of an 8-byte header and an AES-192 ECB
// ciphertext whose plaintext holds the settings lines (title, remark 1, remark 2, paper width in
// millimetres), separated by CR LF, in code page 936.
namespace settings {

inline const std::filesystem::path settingsFilePath{"mydb/cs.cd"};
inline constexpr std::string_view settingsPassphrase = "qmtv527";

// 24 zero bytes with the passphrase's first bytes (at most 24) copied to the start.
Key192 keyFromPassphrase(std::string_view passphrase);

// Pairs of hexadecimal digits from the start, an odd last digit alone. A pair that is not one or
// two hexadecimal digits fails with EConvertError "'0x<pair>' is not a valid integer value".
std::string HexTextToBytes(std::string_view text);

// Decodes the hexadecimal text, skips the 8-byte header (EReadError "Stream read error" when
// shorter) and decrypts the rest under the passphrase padded with zeros to 24 bytes. The result
// is every decrypted byte, trailing zeros included.
std::string DecodeSettingsText(std::string_view text, std::string_view passphrase);

// The settings lines of a text: split at CR LF only; a lone CR or LF stays in its line.
std::vector<std::string> splitSettingsLines(std::string_view settingsText);

// Line 4 through the integer conversion, × 10 − 70, in tenths of a millimetre. A text that is not
// an integer, or a result outside 32 bits, fails with EConvertError naming the line.
std::int32_t paperWidthFromLine(std::string_view line);

// Whether the settings window may save line 4: digits only, 10 to 300 millimetres.
bool isAcceptedPaperWidthLine(std::string_view line);

// The settings lines (title, remark 1, remark 2, paper width in millimetres, and the spoken
// announcement) and the paper width they give: what the reader makes, the settings window saves
// and the writer writes.
class Settings {
public:
    Settings() = default;
    // Fails as paperWidthFromLine does for line 4.
    explicit Settings(std::vector<std::string> lines);

    const std::vector<std::string>& lines() const { return lines_; }
    // Line k counted from 1; the empty text for a line that does not exist.
    const std::string& line(int k) const;
    // In tenths of a millimetre.
    std::int32_t paperWidth() const { return paperWidth_; }
    // Line 5, which readers of the four-line format pass over: "1" has each drawn entry said
    // aloud; anything else, or no line 5 (a file of an older installation), leaves it unsaid.
    bool announces() const { return line(5) == "1"; }

private:
    std::vector<std::string> lines_;
    std::int32_t paperWidth_ = 0;
};

// Reads and decodes the settings file. Fails with EFOpenError for a file that cannot be opened,
// EConvertError for text that is not hexadecimal or a line 4 that is not an integer, EReadError
// for fewer than 8 bytes, EAESError for a ciphertext that is empty or not whole blocks.
Settings ReadSettings(const std::filesystem::path& file = settingsFilePath);

} // namespace settings
