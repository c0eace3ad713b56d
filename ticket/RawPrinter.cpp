#include "RawPrinter.h"

#include <algorithm>
#include <cctype>

namespace ticket {

namespace {

bool sameText(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

bool takesRawBytes(const PrinterFacts& printer) {
    return sameText(printer.makeAndModel, "Local Raw Printer") ||
           sameText(printer.driver, "Generic / Text Only") || printer.port.ends_with(":9100");
}

} // namespace ticket
