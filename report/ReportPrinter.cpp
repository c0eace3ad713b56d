#include "ReportPrinter.h"

#include "PageLayout.h"
#include "QtTextMeasurer.h"
#include "ReportPainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace report {

namespace {

bool takesCustomSizes(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return true;
    }
    return QPrinterInfo(printer).supportsCustomPageSizes();
}

} // namespace

void checkPrintable(const Report& report) {
    if (!(report.page.width > 0) || !(report.page.length > 0)) {
        throw EPrintError("The ticket's paper has no width.");
    }
}

void printReport(const Report& report, QPrinter& printer, double screenPixelsPerInch,
                 const PrintProgress& progress) {
    checkPrintable(report);
    const Page& page = report.page;
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
    printer.setCollateCopies(false);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPaperSource(QPrinter::Auto);
    printer.setDocName(QString());

    double paperLength = 0;
    if (takesCustomSizes(printer)) {
        const double widthMm = std::round(page.width) / 10.0;
        const double lengthMm = std::round(page.length) / 10.0;
        printer.setPageSize(QPageSize(QSizeF(widthMm, lengthMm), QPageSize::Millimeter, QString(),
                                      QPageSize::ExactMatch));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        paperLength = page.length;
    } else {
        paperLength = printer.pageLayout().fullRect(QPageLayout::Millimeter).height() * 10.0;
    }

    QtTextMeasurer measurer(screenPixelsPerInch, printer);
    const auto pages = layoutReport(report, measurer, {screenPixelsPerInch, paperLength});

    QPainter painter;
    if (!painter.begin(&printer)) {
        throw EPrintError("The printer could not be opened.");
    }
    const int total = static_cast<int>(pages.size());
    const auto goOn = [&](int done) { return !progress || progress(done, total); };
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (!goOn(static_cast<int>(i))) {
            printer.abort();
            painter.end();
            return;
        }
        if (i > 0 && !printer.newPage()) {
            painter.end();
            throw EPrintError("The printer took no further page.");
        }
        paintPage(painter, pages[i]);
    }
    if (!painter.end()) {
        throw EPrintError("The printer could not finish the page.");
    }
    goOn(total);
}

} // namespace report
