#pragma once

#include "PrintService.h"

#include <QPrinterInfo>
#include <QStringList>

#include <functional>

namespace ticket {

// The system's default printer of the moment, with the list of installed printers read once,
// when the service is made at start-up: with none installed then, every print fails. While the
// page is produced a progress window "Printing progress" with "Cancel" stays on top.
class SystemPrintService final : public PrintService {
public:
    SystemPrintService();
    // For tests: the printers said to be installed at start and the default printer of the moment.
    SystemPrintService(QStringList printersAtStart, std::function<QPrinterInfo()> defaultPrinter);

    void print(const report::Report& report) override;

private:
    QStringList printersAtStart_;
    std::function<QPrinterInfo()> defaultPrinter_;
    bool printing_ = false;
};

} // namespace ticket
