#include "SystemPrintService.h"

#include "EscPos.h"
#include "RawPrintJob.h"
#include "ReceiptRaster.h"

#include "dialogs/Screen.h"
#include "report/ReportPrinter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

namespace ticket {

SystemPrintService::SystemPrintService()
    : SystemPrintService(QPrinterInfo::availablePrinterNames(), &QPrinterInfo::defaultPrinter) {}

SystemPrintService::SystemPrintService(QStringList printersAtStart,
                                       std::function<QPrinterInfo()> defaultPrinter,
                                       std::chrono::milliseconds rawPatience)
    : printersAtStart_(std::move(printersAtStart)), defaultPrinter_(std::move(defaultPrinter)),
      rawPatience_(rawPatience) {}

void SystemPrintService::print(const report::Report& report) {
    // The progress window lets clicks through while printing; a second print then waits for
    // nothing and is dropped.
    if (printing_) {
        return;
    }
    if (printersAtStart_.isEmpty()) {
        throw report::EPrintError("No printer was installed when the program started.");
    }
    const QPrinterInfo printerInfo = defaultPrinter_();
    if (printerInfo.isNull()) {
        throw report::EPrintError("There is no default printer.");
    }
    printing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{printing_};

    QProgressDialog progress(QStringLiteral("Printing progress"), QStringLiteral("Cancel"), 0, 100);
    progress.setWindowTitle(QStringLiteral("Printing progress"));
    progress.setWindowModality(Qt::NonModal);
    progress.setWindowFlag(Qt::WindowStaysOnTopHint);
    progress.setMinimumDuration(0);
    progress.show();
    const double pixelsPerInch = screenPixelsPerInch();
    if (takesRawBytes(printerFacts(printerInfo.printerName()))) {
        report::checkPrintable(report);
        printRawJob(printerInfo.printerName(), escPosJob(receiptRaster(report, pixelsPerInch)),
                    rawPatience_, [&] { QCoreApplication::processEvents(); });
        return;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    report::printReport(report, printer, pixelsPerInch, [&](int done, int total) {
        progress.setValue(total > 0 ? 100 * done / total : 100);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
}

} // namespace ticket
