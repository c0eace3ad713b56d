#pragma once

#include "SettingsFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// The file text that ReadSettings decodes back to these lines: the lines joined by CR LF, zero
// bytes up to a whole number of 16-byte blocks (at least one), each block enciphered alone under
// the passphrase's key, an 8-byte header in front, every byte as two upper-case hexadecimal
// digits. A line holding a zero byte or a CR LF cannot be read back as it was and is refused with
// std::invalid_argument.
std::string EncodeSettingsText(const std::vector<std::string>& lines, std::string_view passphrase);

// Encodes the lines with the program's passphrase and replaces the settings file atomically.
void WriteSettings(const Settings& settings, const std::filesystem::path& file = settingsFilePath);

} // namespace settings
