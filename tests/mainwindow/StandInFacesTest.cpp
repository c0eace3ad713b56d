// What the faces standing in for 黑体 and 宋体 give: the ticket's lines where the named faces put
// them, bold that looks bold, and the main window's texts inside their boxes. The build runs these
// cases once with the system's fonts and, on Linux, again with only some CJK faces installed.
#include "MainWindowFixture.h"

#include "dialogs/Screen.h"
#include "report/QtFonts.h"
#include "report/ReportPrinter.h"
#include "tests/support/HostCommand.h"
#include "tests/support/Poppler.h"
#include "ticket/TicketLayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QStyle>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::PdfWord;
using testsupport::tenthsToPoints;

TEST(StandInFaces, PutEveryTicketLineWhereTheNamedFacesPutIt) {
    if (!testsupport::hostCommandsAvailable()) {
        GTEST_SKIP() << "the PDF is read back with the Linux host's poppler-utils";
    }
    testsupport::TempFolder folder;
    const report::Report ticket = ticket::makeTicket(
        {testsupport::gbk("岚舟垂钓园"), "12", testsupport::gbk("2024年3月05日14:07:09"),
         testsupport::gbk("r1 钓鱼\r\nr2\r\nr3\r\nr4\r\nr5")},
        510, screenPixelsPerInch());
    const auto pdf = folder / "ticket.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    report::printReport(ticket, printer, screenPixelsPerInch());
    const auto pages = testsupport::readPdf(testsupport::hostPath(pdf));
    ASSERT_EQ(pages.size(), 2u);

    // A named face's cell is one em: line n of a label starts n point sizes below its box's top.
    struct Line {
        std::size_t page;
        std::string text;
        const report::Label& label;
        int line;
    };
    const std::vector<Line> lines{
        {0, "岚舟垂钓园", ticket.label("QRLabel1"), 0},
        {0, "12", ticket.label("QRLabel2"), 0},
        {0, "2024年3月05日14:07:09", ticket.label("QRLabel3"), 0},
        {0, "岚舟科技出品", ticket.label("QRLabel6"), 0},
        {0, "r1", ticket.label("QRLabel5"), 0},
        {0, "钓鱼", ticket.label("QRLabel5"), 0},
        {0, "r2", ticket.label("QRLabel5"), 1},
        {0, "r3", ticket.label("QRLabel5"), 2},
        {0, "r4", ticket.label("QRLabel5"), 3},
        {1, "r5", ticket.label("QRLabel5"), 0},
    };
    for (const Line& line : lines) {
        const PdfWord* word = testsupport::findWord(pages[line.page], line.text);
        ASSERT_NE(word, nullptr) << line.text << " on page " << line.page + 1;
        const double top = tenthsToPoints(ticket.page.topMargin + line.label.top) +
                           line.line * line.label.font.pointSize;
        EXPECT_NEAR(word->yMin, top, tenthsToPoints(1)) << line.text;
    }
}

// The share of dark pixels of a text in black on white.
double inkShare(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 8, metrics.height() + 8,
                 QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 4 + metrics.ascent(), text);
    painter.end();
    qint64 dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            dark += row[x] < 128 ? 1 : 0;
        }
    }
    return static_cast<double>(dark) / (image.width() * image.height());
}

TEST(StandInFaces, DrawTheBoldTextsBold) {
    // The number display and the title on screen, the ticket's bold labels at 1200 dots per inch.
    struct Case {
        const char* face;
        int pixels;
    };
    for (const Case& c : {Case{"宋体", 120}, Case{"黑体", 53}, Case{"黑体", 300}, Case{"黑体", 733},
                          Case{"宋体", 133}}) {
        QFont regular(QString::fromUtf8(c.face));
        regular.setPixelSize(c.pixels);
        QFont bold = regular;
        bold.setBold(true);
        EXPECT_GT(inkShare(bold, QStringLiteral("88")), 1.15 * inkShare(regular, "88"))
            << c.face << " at " << c.pixels << " px drawn in "
            << QFontInfo(bold).family().toStdString();
    }
}

// Where the glyphs of a label's text lie, in its parent's coordinates, as the label places them.
QRectF inkOf(const QLabel* label) {
    const QFontMetricsF metrics(label->font());
    const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(),
                                                    label->alignment(), true, label->text());
    QPainterPath path;
    path.addText(QPointF(text.left(), text.top() + metrics.ascent()), label->font(), label->text());
    return path.boundingRect().translated(label->pos());
}

TEST(StandInFaces, KeepTheTitleAndTheNumberInsideTheirBoxes) {
    testsupport::Workspace workspace;
    testsupport::Program program(workspace);
    program.start(true);
    program.controls().number->setGbkText("88");
    for (const TextLabel* label : {program.controls().title, program.controls().number}) {
        const QRectF box = label->geometry();
        const QRectF ink = inkOf(label);
        EXPECT_TRUE(box.contains(ink))
            << label->objectName().toStdString() << " ink from " << ink.top() << " to "
            << ink.bottom() << ", box from " << box.top() << " to " << box.bottom();
    }
}

} // namespace
