#pragma once

#include <string>

namespace ticket {

// What the system tells of a printer that decides how the ticket reaches it.
struct PrinterFacts {
    std::string makeAndModel; // CUPS: the queue's printer-make-and-model
    std::string driver;       // Windows: the name of the printer's driver
    std::string port;         // Windows: the name of its port
};

// Whether the printer gets the ticket as ESC/POS bytes rather than as a page the system renders:
// - a CUPS queue without a driver, whose make and model CUPS calls "Local Raw Printer": it passes
//   the bytes on as they are, and receipt printers are set up so because Debian has no driver
//   for them;
// - a Windows printer with the "Generic / Text Only" driver, which sends text and no pictures;
// - a Windows printer on a port that names the raw TCP port 9100 itself ("…:9100"). A printer
//   on an ordinary TCP/IP port may well have a real driver, which renders the page; it keeps it.
bool takesRawBytes(const PrinterFacts& printer);

} // namespace ticket
