#include "common/Codepage.h"
#include "dialogs/Screen.h"
#include "report/ReportPrinter.h"
#include "report/Units.h"
#include "tests/support/HostCommand.h"
#include "tests/support/Poppler.h"
#include "tests/support/TempFolder.h"
#include "ticket/TicketLayout.h"
#include "ticket/Unit2.h"

#include <QImage>
#include <QPrinter>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using testsupport::PdfWord;
using testsupport::tenthsToPoints;

std::string gbk(const std::string& utf8) {
    return common::utf8ToGbk(utf8).value();
}

class TicketPdf : public testing::Test {
protected:
    testsupport::TempFolder folder;
    report::Report ticket;

    void SetUp() override {
        if (!testsupport::hostCommandsAvailable()) {
            GTEST_SKIP() << "the PDF files are read back with the Linux host's poppler-utils, "
                            "which a Windows machine without Wine does not have";
        }
    }

    void fill(std::int32_t paperWidth) {
        ticket = ticket::makeTicket({gbk("岚舟垂钓园"), "12", gbk("2024年3月05日14:07:09"),
                                     gbk("钓鱼路1号") + "\r\n" + gbk("电话：0571-1234")},
                                    paperWidth, screenPixelsPerInch());
    }

    report::Label& label(const char* name) { return ticket.label(name); }

    std::filesystem::path print(const std::string& name) {
        const auto pdf = folder / name;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        report::printReport(ticket, printer, screenPixelsPerInch());
        return pdf;
    }

    // The word lies inside the label's box on the page (points, with half a point to spare).
    void expectInBox(const PdfWord& word, const report::Label& label) {
        const double left = tenthsToPoints(label.left);
        const double top = tenthsToPoints(ticket.page.topMargin + label.top);
        EXPECT_GE(word.xMin, left - 0.5) << word.text << " in " << label.name;
        EXPECT_LE(word.xMax, left + tenthsToPoints(label.width) + 0.5) << word.text;
        EXPECT_GE(word.yMin, top - 0.5) << word.text << " in " << label.name;
        EXPECT_LE(word.yMin, top + tenthsToPoints(label.height)) << word.text;
    }

    static const PdfWord& find(const testsupport::PdfPage& page, const std::string& text) {
        if (const PdfWord* word = testsupport::findWord(page, text)) {
            return *word;
        }
        static const PdfWord missing{"<missing " + text + ">", -1e9, -1e9, -1e9, -1e9};
        return missing;
    }
};

TEST_F(TicketPdf, A58MillimetrePaperTicketCarriesEveryTextInItsBox) {
    fill(510);
    const auto pages = testsupport::readPdf(testsupport::hostPath(print("t58.pdf")));
    ASSERT_EQ(pages.size(), 1u);
    // Qt writes the paper in whole points: 51.0 × 65.9 mm is 144.6 × 186.8 points.
    EXPECT_NEAR(pages[0].width, 51.0 / 25.4 * 72, 0.5);
    EXPECT_NEAR(pages[0].height, 65.9 / 25.4 * 72, 0.5);

    expectInBox(find(pages[0], "岚舟垂钓园"), label("QRLabel1"));
    expectInBox(find(pages[0], "12"), label("QRLabel2"));
    expectInBox(find(pages[0], "2024年3月05日14:07:09"), label("QRLabel3"));
    expectInBox(find(pages[0], "钓鱼路1号"), label("QRLabel5"));
    expectInBox(find(pages[0], "电话：0571-1234"), label("QRLabel5"));
    expectInBox(find(pages[0], "岚舟科技出品"), label("QRLabel6"));
    EXPECT_LT(find(pages[0], "钓鱼路1号").yMax, find(pages[0], "电话：0571-1234").yMax);

    // The number stands centred on the paper.
    const PdfWord& number = find(pages[0], "12");
    EXPECT_NEAR((number.xMin + number.xMax) / 2, pages[0].width / 2, 2);
}

TEST_F(TicketPdf, An80MillimetrePaperTicketIsWiderAndTheSameLength) {
    fill(730);
    const auto pages = testsupport::readPdf(testsupport::hostPath(print("t80.pdf")));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, 73.0 / 25.4 * 72, 0.5);
    EXPECT_NEAR(pages[0].height, 65.9 / 25.4 * 72, 0.5);
    const PdfWord& title = find(pages[0], "岚舟垂钓园");
    EXPECT_NEAR((title.xMin + title.xMax) / 2, pages[0].width / 2, 2);
}

TEST_F(TicketPdf, FiveRemarkLinesPutTheFifthOnASecondPage) {
    fill(510);
    label("QRLabel5").text = "r1\r\nr2\r\nr3\r\nr4\r\nr5";
    const auto pages = testsupport::readPdf(testsupport::hostPath(print("five.pdf")));
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(find(pages.back(), "r5").text, "r5");
    EXPECT_EQ(find(pages[0], "r5").text, "<missing r5>");
    // Every line is printed once, on one page or the other.
    int printed = 0;
    for (const auto& page : pages) {
        for (const PdfWord& word : page.words) {
            printed += word.text.size() == 2 && word.text[0] == 'r' ? 1 : 0;
        }
    }
    EXPECT_EQ(printed, 5);
}

TEST_F(TicketPdf, APaperWithoutWidthIsRefusedBeforePrinting) {
    fill(-70);
    EXPECT_THROW(print("none.pdf"), report::EPrintError);
    EXPECT_FALSE(std::filesystem::exists(folder / "none.pdf"));
}

// The dashed rule's white box covers the title's lower rows: a title font tall enough to reach
// into the rule's box leaves no ink there, unless the rule is made transparent.
TEST_F(TicketPdf, TheDashedRuleCoversTheTitlesLowerRows) {
    const auto inkInRuleTopRows = [&](bool ruleTransparent) {
        fill(510);
        label("QRLabel1").font.pointSize = 40;
        label("QRLabel1").text = gbk("国国国");
        label("QRLabel7").transparent = ruleTransparent;
        const auto pdf = print(ruleTransparent ? "open.pdf" : "covered.pdf");
        const std::string png = (folder / "page").string();
        testsupport::hostCommandOutput("pdftoppm -r 254 -png -singlefile '" +
                                       testsupport::hostPath(pdf) + "' '" +
                                       testsupport::hostPath(png) + "'");
        const QImage image(QString::fromStdString(png + ".png"));
        EXPECT_FALSE(image.isNull());
        // At 254 dots per inch a pixel is a tenth of a millimetre.
        const int top = static_cast<int>(std::ceil(50 + label("QRLabel7").top)) + 1;
        int ink = 0;
        for (int y = top; y < top + 8; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return ink;
    };
    EXPECT_GT(inkInRuleTopRows(true), 50);
    EXPECT_EQ(inkInRuleTopRows(false), 0);
}

} // namespace

namespace {

TEST(TicketWindow, IsCreatedHiddenWithItsCaptionAndTheDesignTexts) {
    TForm2 form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral(u"打印"));
    EXPECT_EQ(common::gbkToUtf8(form.QuickRep1.label("QRLabel2").text), "序号");
}

} // namespace
