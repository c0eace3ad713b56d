#pragma once

#include "RawPrinter.h"

#include <QString>

#include <chrono>
#include <functional>
#include <string>

namespace ticket {

// What the system tells of the named printer (RawPrinter.h).
PrinterFacts printerFacts(const QString& printer);

// Sends the bytes to the printer as they are, as a job with an empty name, and waits until the
// printer has taken them, running `waiting` between looks. Fails with report::EPrintError when
// the job cannot be made or sent, or when the printer has not taken it within `patience`; the job
// is then withdrawn, so the ticket does not come out later, long after its draw.
void printRawJob(const QString& printer, const std::string& bytes,
                 std::chrono::milliseconds patience, const std::function<void()>& waiting);

} // namespace ticket
