#include "SettingsFile.h"

#include "ByteStream.h"
#include "EcbStream.h"

#include "common/ByteText.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "common/IntegerConversion.h"

#include <algorithm>
#include <limits>

namespace settings {

namespace {

// The file is read the way a text box loads it: every lone CR or LF becomes CR LF.
std::string withCrLfBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += "\r\n";
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

Key192 keyFromPassphrase(std::string_view passphrase) {
    Key192 key{};
    std::copy_n(passphrase.begin(), std::min(passphrase.size(), key.size()), key.begin());
    return key;
}

std::string HexTextToBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() / 2 + 1);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::string_view pair = text.substr(i, 2);
        int value = 0;
        for (const char c : pair) {
            const int digit = common::hexDigitValue(c);
            if (digit < 0) {
                throw EConvertError("'0x" + std::string(pair) + "' is not a valid integer value");
            }
            value = value * 16 + digit;
        }
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::string DecodeSettingsText(std::string_view text, std::string_view passphrase) {
    MemoryStream source(HexTextToBytes(text));
    std::uint8_t header[8];
    if (source.read(header, sizeof header) < sizeof header) {
        throw EReadError("Stream read error");
    }
    MemoryStream destination;
    const std::int64_t remaining = source.size() - source.position();
    DecryptStreamEcb(source,
                     static_cast<std::int32_t>(std::min<std::int64_t>(
                         remaining, std::numeric_limits<std::int32_t>::max())),
                     keyFromPassphrase(passphrase), destination);
    return destination.bytes();
}

std::vector<std::string> splitSettingsLines(std::string_view settingsText) {
    std::vector<std::string> lines;
    if (settingsText.empty()) {
        return lines;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = settingsText.find("\r\n", start);
        lines.emplace_back(settingsText.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 2;
        if (start == settingsText.size()) {
            break;
        }
    }
    return lines;
}

std::int32_t paperWidthFromLine(std::string_view line) {
    const std::int64_t width = std::int64_t{common::strToInt(line)} * 10 - 70;
    if (width < std::numeric_limits<std::int32_t>::min() ||
        width > std::numeric_limits<std::int32_t>::max()) {
        throw EConvertError("'" + std::string(line) + "' is not a valid integer value");
    }
    return static_cast<std::int32_t>(width);
}

bool isAcceptedPaperWidthLine(std::string_view line) {
    constexpr int minimumMillimetres = 10;
    constexpr int maximumMillimetres = 300;
    if (line.empty() || line.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    try {
        const std::int32_t millimetres = common::strToInt(line);
        return millimetres >= minimumMillimetres && millimetres <= maximumMillimetres;
    } catch (const EConvertError&) {
        return false;
    }
}

Settings::Settings(std::vector<std::string> lines) : lines_(std::move(lines)) {
    paperWidth_ = paperWidthFromLine(line(4));
}

const std::string& Settings::line(int k) const {
    static const std::string missing;
    if (k < 1 || static_cast<std::size_t>(k) > lines_.size()) {
        return missing;
    }
    return lines_[static_cast<std::size_t>(k) - 1];
}

Settings ReadSettings(const std::filesystem::path& file) {
    const std::string bytes = common::readFileBytes(file);
    const std::string fileText =
        withCrLfBreaks(std::string_view(bytes).substr(0, bytes.find('\0')));
    const std::string plaintext = DecodeSettingsText(fileText, settingsPassphrase);
    return Settings(splitSettingsLines(plaintext.substr(0, plaintext.find('\0'))));
}

} // namespace settings
