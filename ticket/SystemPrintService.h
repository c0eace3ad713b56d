#pragma once

#include "PrintService.h"

#include <QPrinterInfo>
#include <QStringList>

#include <chrono>
#include <functional>

namespace ticket {

// The system's default printer of the moment, with the list of installed printers read once,
// when the service is made at start-up: with none installed then, every print fails. While the
// page is produced a progress window "Printing progress" with "Cancel" stays on top. A receipt
// printer without a driver (RawPrinter.h) gets the ticket as ESC/POS, and a print fails when it
// has not taken the ticket within `rawPatience`.
class SystemPrintService final : public PrintService {
public:
    SystemPrintService();
    // For tests: the printers said to be installed at start, the default printer of the moment
    // and how long a receipt printer may take.
    SystemPrintService(QStringList printersAtStart, std::function<QPrinterInfo()> defaultPrinter,
                       std::chrono::milliseconds rawPatience = std::chrono::seconds(10));

    void print(const report::Report& report) override;

private:
    QStringList printersAtStart_;
    std::function<QPrinterInfo()> defaultPrinter_;
    std::chrono::milliseconds rawPatience_;
    bool printing_ = false;
};

} // namespace ticket
