#include "RawTestPrinter.h"

namespace testsupport {

QString rawTestPrinter() {
    return QStringLiteral("TicketRaw");
}

} // namespace testsupport
