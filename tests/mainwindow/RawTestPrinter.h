#pragma once

#include <QString>

namespace testsupport {

// The printer the program sees as a receipt printer without a driver, whose jobs reach the raw
// CUPS queue TicketRaw: that queue itself, or under Wine a "Generic / Text Only" printer on the
// queue's port, made on first use, since Wine gives every CUPS queue a driver of its own.
QString rawTestPrinter();

} // namespace testsupport
