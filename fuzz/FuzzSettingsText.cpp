// The settings file's text through hex decoding, the header, the decryption, the lines and the
// paper width: every input either reads or fails with one of the named errors.
#include "common/Errors.h"
#include "settings/SettingsFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const std::string plaintext =
            settings::DecodeSettingsText(text, settings::settingsPassphrase);
        const auto lines = settings::splitSettingsLines(plaintext.substr(0, plaintext.find('\0')));
        if (lines.size() >= 4) {
            settings::paperWidthFromLine(lines[3]);
        }
    } catch (const EConvertError&) {
    } catch (const EStreamError&) {
    } catch (const EAESError&) {
    }
    return 0;
}
