// Writes a ticket to PDF and PNG so it can be looked at:
//   ticket_render OUT_BASE PAPER_WIDTH TITLE NUMBER DATE REMARK1 [REMARK2]
// PAPER_WIDTH in tenths of a millimetre (510 for 58 mm paper, 730 for 80 mm); texts in UTF-8.
// Writes OUT_BASE.pdf through the printer path and OUT_BASE.png (page 1, 203 dots per inch).
#include "TicketLayout.h"

#include "common/Codepage.h"
#include "dialogs/QtCompat.h"
#include "report/QtFonts.h"
#include "report/ReportPainter.h"
#include "report/ReportPrinter.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>

#include <cstdio>
#include <string>

namespace {

// The argument in code page 936; taken from Qt, which reads the command line as Unicode on
// Windows too.
std::string gbkArgument(int index) {
    const std::string utf8 = QCoreApplication::arguments().at(index).toStdString();
    const auto gbk = common::utf8ToGbk(utf8);
    if (!gbk) {
        std::fprintf(stderr, "not representable in code page 936: %s\n", utf8.c_str());
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
    qtcompat::prepareApplication();
    QApplication app(argc, argv);
    report::installFonts(QStringLiteral(QHT_FONT_FOLDER));
    const std::string base = QCoreApplication::arguments().at(1).toStdString();
    const double screenDpi = 96;

    const report::Report ticket =
        ticket::makeTicket({gbkArgument(3), gbkArgument(4), gbkArgument(5),
                            gbkArgument(6) + (argc > 7 ? "\r\n" + gbkArgument(7) : std::string())},
                           std::stoi(argv[2]), screenDpi);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(base + ".pdf"));
    report::printReport(ticket, printer, screenDpi);

    const QImage image = report::renderFirstPage(ticket, screenDpi, 203);
    image.save(QString::fromStdString(base + ".png"));
    std::printf("%s.pdf, %s.png\n", base.c_str(), base.c_str());
    return 0;
}
