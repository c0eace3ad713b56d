// Writes a ticket to PDF and PNG so it can be looked at:
//   ticket_render OUT_BASE PAPER_WIDTH TITLE NUMBER DATE REMARK1 [REMARK2]
// PAPER_WIDTH in tenths of a millimetre (510 for 58 mm paper, 730 for 80 mm); texts in UTF-8.
// Writes OUT_BASE.pdf through the printer path and OUT_BASE.png (page 1, 203 dots per inch).
#include "TicketLayout.h"

#include "common/Codepage.h"
#include "report/PageLayout.h"
#include "report/QtFonts.h"
#include "report/QtTextMeasurer.h"
#include "report/ReportPainter.h"
#include "report/ReportPrinter.h"
#include "report/Units.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <cstdio>
#include <string>

namespace {

std::string gbkArgument(const char* utf8) {
    const auto gbk = common::utf8ToGbk(utf8);
    if (!gbk) {
        std::fprintf(stderr, "not representable in code page 936: %s\n", utf8);
        std::exit(2);
    }
    return *gbk;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s OUT_BASE PAPER_WIDTH TITLE NUMBER DATE REMARK1 [REMARK2]\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    report::installFontSubstitutions();
    const std::string base = argv[1];
    const double screenDpi = 96;

    report::Report ticket = ticket::makeTicketReport();
    ticket::fitToPaper(ticket, std::stoi(argv[2]), screenDpi);
    ticket.label("QRLabel1").text = gbkArgument(argv[3]);
    ticket.label("QRLabel2").text = gbkArgument(argv[4]);
    ticket.label("QRLabel3").text = gbkArgument(argv[5]);
    ticket.label("QRLabel5").text =
        gbkArgument(argv[6]) + (argc > 7 ? "\r\n" + gbkArgument(argv[7]) : std::string());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(base + ".pdf"));
    report::printReport(ticket, printer, screenDpi);

    constexpr double imageDpi = 203;
    QImage image(report::tenthsToPixels(ticket.page.width, imageDpi),
                 report::tenthsToPixels(659, imageDpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(imageDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(imageDpi / 0.0254));
    image.fill(Qt::white);
    report::QtTextMeasurer measurer(screenDpi, image);
    const auto pages = report::layoutReport(ticket, measurer, {screenDpi, ticket.page.length});
    QPainter painter(&image);
    report::paintPage(painter, pages.front());
    painter.end();
    image.save(QString::fromStdString(base + ".png"));
    std::printf("%s.pdf, %s.png: %zu page(s)\n", base.c_str(), base.c_str(), pages.size());
    return 0;
}
