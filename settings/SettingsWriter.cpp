#include "SettingsWriter.h"

#include "Aes192.h"

#include "common/ReplaceFile.h"

#include <algorithm>
#include <stdexcept>

namespace settings {

namespace {

void appendHex(std::string& text, std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text += digits[value >> 4];
        text += digits[value & 15];
    }
}

} // namespace

std::string EncodeSettingsText(const std::vector<std::string>& lines, std::string_view passphrase) {
    std::string plaintext;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\0') != std::string::npos) {
            throw std::invalid_argument("settings line " + std::to_string(i + 1) +
                                        " holds a zero byte");
        }
        if (lines[i].find("\r\n") != std::string::npos) {
            throw std::invalid_argument("settings line " + std::to_string(i + 1) +
                                        " holds a line break");
        }
        plaintext += (i == 0 ? "" : "\r\n") + lines[i];
    }
    plaintext.resize(std::max<std::size_t>(16, (plaintext.size() + 15) / 16 * 16), '\0');

    const KeySchedule192 schedule = ExpandKey192(keyFromPassphrase(passphrase));

    std::string text;
    text.reserve(2 * (8 + plaintext.size()));
    appendHex(text, std::string(8, '\0'));
    Block128 block;
    for (std::size_t offset = 0; offset < plaintext.size(); offset += 16) {
        EncryptBlock(reinterpret_cast<const std::uint8_t*>(plaintext.data() + offset), schedule,
                     block.data());
        appendHex(text,
                  std::string_view(reinterpret_cast<const char*>(block.data()), block.size()));
    }
    return text;
}

void WriteSettings(const Settings& settings, const std::filesystem::path& file) {
    common::replaceFile(file, EncodeSettingsText(settings.lines(), settingsPassphrase));
}

} // namespace settings
