// The integer conversion: an accepted text gives a value that reads back from its decimal form;
// a refused one fails with its own message naming the text.
#include "common/Errors.h"
#include "common/IntegerConversion.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const std::int32_t value = common::strToInt(text);
        if (common::strToInt(std::to_string(value)) != value) {
            std::abort();
        }
        // Only spaces, a sign, prefixes and digits can make up an accepted text.
        if (text.find_first_not_of(" +-$xX0123456789abcdefABCDEF") != std::string::npos) {
            std::abort();
        }
    } catch (const EConvertError& error) {
        if (text.find('\0') == std::string::npos &&
            std::string(error.what()) != "'" + text + "' is not a valid integer value") {
            std::abort();
        }
    }
    return 0;
}
