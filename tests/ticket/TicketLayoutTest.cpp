#include "ticket/TicketLayout.h"
#include "common/Codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::string& gbk) {
    return common::gbkToUtf8(gbk);
}

TEST(TicketDesign, PageBandAndLabelsAsDesigned) {
    const report::Report ticket = ticket::makeTicketReport();
    EXPECT_DOUBLE_EQ(ticket.page.bottomMargin, 50);
    EXPECT_DOUBLE_EQ(ticket.page.length, 658.8125);
    EXPECT_DOUBLE_EQ(ticket.page.topMargin, 50);
    EXPECT_NEAR(ticket.page.width, 550.333, 0.001);
    EXPECT_DOUBLE_EQ(ticket.page.leftMargin, 0);
    EXPECT_NEAR(ticket.titleBand.height, 587.375, 1e-9);

    struct Expected {
        const char* name;
        const char* text;
        double top;
        double height;
        const char* face;
        int size;
        bool bold;
        report::Alignment alignment;
    };
    using report::Alignment;
    // In drawing order.
    const std::vector<Expected> expected = {
        {"QRLabel1", "名称", 5.292, 111.125, "黑体", 18, true, Alignment::Center},
        {"QRLabel2", "序号", 137.583, 166.688, "黑体", 44, true, Alignment::Center},
        {"QRLabel3", "日期", 447.146, 44.979, "宋体", 8, false, Alignment::Center},
        {"QRLabel5", "地址：", 314.854, 132.292, "宋体", 8, true, Alignment::Center},
        {"QRLabel6", "岚舟科技出品 www.lanzhou.example", 489.479, 44.979, "宋体", 8, false,
         Alignment::Center},
        {"QRLabel7", nullptr, 100.542, 44.979, "Arial", 10, false, Alignment::Left}};
    ASSERT_EQ(ticket.titleBand.labels.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const report::Label& label = ticket.titleBand.labels[i];
        const Expected& e = expected[i];
        EXPECT_EQ(label.name, e.name);
        if (e.text) {
            EXPECT_EQ(utf8(label.text), e.text) << e.name;
        }
        EXPECT_NEAR(label.top, e.top, 0.001) << e.name;
        EXPECT_NEAR(label.height, e.height, 0.001) << e.name;
        EXPECT_EQ(label.font.face, e.face) << e.name;
        EXPECT_EQ(label.font.pointSize, e.size) << e.name;
        EXPECT_EQ(label.font.bold, e.bold) << e.name;
        EXPECT_EQ(label.alignment, e.alignment) << e.name;
        EXPECT_EQ(label.autoStretch, label.name == "QRLabel5") << e.name;
        EXPECT_FALSE(label.transparent) << e.name;
        EXPECT_EQ(label.color, report::white);
        EXPECT_EQ(label.font.color,
                  label.name == "QRLabel6" ? report::buttonFace : report::windowText);
    }
}

TEST(TicketDesign, TheDashedRuleIsSixtyHyphensBetweenSpaces) {
    const report::Report ticket = ticket::makeTicketReport();
    const std::string& rule = ticket.label("QRLabel7").text;
    EXPECT_EQ(rule.size(), 119u);
    EXPECT_EQ(rule.front(), '-');
    EXPECT_EQ(rule.back(), '-');
    EXPECT_EQ(std::count(rule.begin(), rule.end(), '-'), 60);
}

struct Fit {
    std::int32_t paperWidth;
    double dpi;
    int labelPixels;
    double labelTenths;
    int bandPixels;
    double centredLeftTenths;
};

void PrintTo(const Fit& fit, std::ostream* out) {
    *out << fit.paperWidth << " tenths at " << fit.dpi << " dpi";
}

class FitToPaper : public testing::TestWithParam<Fit> {};

TEST_P(FitToPaper, SetsThePageBandAndEveryLabel) {
    const Fit& fit = GetParam();
    report::Report ticket = ticket::makeTicketReport();
    ticket::fitToPaper(ticket, fit.paperWidth, fit.dpi);
    EXPECT_DOUBLE_EQ(ticket.page.width, fit.paperWidth);
    EXPECT_DOUBLE_EQ(ticket.page.length, 658.8125);
    EXPECT_NEAR(ticket.titleBand.width, fit.bandPixels * 254.0 / fit.dpi, 1e-9);
    for (const report::Label& label : ticket.titleBand.labels) {
        EXPECT_NEAR(label.width, fit.labelTenths, 0.001) << label.name;
        EXPECT_NEAR(label.width * fit.dpi / 254.0, fit.labelPixels, 1e-9) << label.name;
        if (label.name == "QRLabel7") {
            EXPECT_EQ(label.left, 0);
        } else {
            EXPECT_NEAR(label.left, fit.centredLeftTenths, 0.001) << label.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PaperWidths, FitToPaper,
                         testing::Values(Fit{510, 96, 188, 497.417, 193, 5.292},
                                         Fit{730, 96, 270, 714.375, 276, 7.938},
                                         Fit{540, 96, 200, 529.167, 204, 5.292},
                                         Fit{81, 96, 30, 79.375, 31, 0},
                                         Fit{510, 120, 188, 397.933, 241, 55.033}));

TEST(FitToPaperAgain, GivesTheSameGeometryEveryTime) {
    report::Report once = ticket::makeTicketReport();
    ticket::fitToPaper(once, 510, 120);
    report::Report twice = once;
    ticket::fitToPaper(twice, 730, 120);
    ticket::fitToPaper(twice, 510, 120);
    for (std::size_t i = 0; i < once.titleBand.labels.size(); ++i) {
        EXPECT_DOUBLE_EQ(once.titleBand.labels[i].top, twice.titleBand.labels[i].top);
        EXPECT_DOUBLE_EQ(once.titleBand.labels[i].height, twice.titleBand.labels[i].height);
        EXPECT_DOUBLE_EQ(once.titleBand.labels[i].left, twice.titleBand.labels[i].left);
    }
}

TEST(FitToPaperAgain, APaperWidthOfZeroOrLessLeavesNoPositiveWidth) {
    report::Report ticket = ticket::makeTicketReport();
    ticket::fitToPaper(ticket, -70, 96);
    EXPECT_LE(ticket.page.width, 0);
    EXPECT_LE(ticket.label("QRLabel2").width, 0);
}

} // namespace
