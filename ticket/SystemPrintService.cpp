#include "SystemPrintService.h"

#include "report/ReportPrinter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>

namespace ticket {

SystemPrintService::SystemPrintService()
    : SystemPrintService(QPrinterInfo::availablePrinterNames(), &QPrinterInfo::defaultPrinter) {}

SystemPrintService::SystemPrintService(QStringList printersAtStart,
                                       std::function<QPrinterInfo()> defaultPrinter)
    : printersAtStart_(std::move(printersAtStart)), defaultPrinter_(std::move(defaultPrinter)) {}

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

    QPrinter printer(printerInfo, QPrinter::HighResolution);
    QProgressDialog progress(QStringLiteral("Printing progress"), QStringLiteral("Cancel"), 0, 100);
    progress.setWindowTitle(QStringLiteral("Printing progress"));
    progress.setWindowModality(Qt::NonModal);
    progress.setWindowFlag(Qt::WindowStaysOnTopHint);
    progress.setMinimumDuration(0);
    progress.show();
    report::printReport(report, printer, QGuiApplication::primaryScreen()->logicalDotsPerInch(),
                        [&](int done, int total) {
                            progress.setValue(total > 0 ? 100 * done / total : 100);
                            QCoreApplication::processEvents();
                            return !progress.wasCanceled();
                        });
}

} // namespace ticket
