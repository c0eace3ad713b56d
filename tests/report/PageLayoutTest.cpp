#include "report/PageLayout.h"
#include "FakeMeasurer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using report::DrawOp;

// A page 1000 wide with a top margin of 50 and a band of 500; at 254 screen pixels per inch a
// pixel is a tenth of a millimetre, so widths in pixels and tenths agree.
report::Report oneLabelReport(report::Label label, double paperLength) {
    report::Report report;
    report.page = {50, paperLength, 50, 1000, 0};
    report.titleBand.width = 1000;
    report.titleBand.height = 500;
    report.titleBand.labels.push_back(std::move(label));
    return report;
}

report::Label remarkLabel(std::string text) {
    report::Label label;
    label.name = "remarks";
    label.text = std::move(text);
    label.left = 0;
    label.top = 300;
    label.width = 1000;
    label.height = 132.292; // four lines of 32 tenths, and a tenth to spare
    label.font.pointSize = 8;
    label.alignment = report::Alignment::Center;
    label.autoStretch = true;
    return label;
}

std::vector<std::string> textsOf(const report::PageDrawing& page) {
    std::vector<std::string> texts;
    for (const DrawOp& op : page.ops) {
        if (op.kind == DrawOp::Kind::Text) {
            texts.push_back(op.text);
        }
    }
    return texts;
}

std::vector<report::PageDrawing> layout(const report::Report& report) {
    testsupport::FakeMeasurer measurer;
    return report::layoutReport(report, measurer, {254, report.page.length});
}

TEST(PageLayout, PaintsTheBandThenEachLabelsBoxAndLinesInOrder) {
    report::Label first = remarkLabel("one");
    first.name = "first";
    first.autoStretch = false;
    report::Label second = remarkLabel("two");
    second.top = 320;
    auto report = oneLabelReport(first, 658.8125);
    report.titleBand.labels.push_back(second);

    const auto pages = layout(report);
    ASSERT_EQ(pages.size(), 1u);
    const auto& ops = pages[0].ops;
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Fill);
    EXPECT_DOUBLE_EQ(ops[0].rect.top, 50);
    EXPECT_DOUBLE_EQ(ops[0].rect.height, 500);
    EXPECT_EQ(ops[1].kind, DrawOp::Kind::Fill);
    EXPECT_DOUBLE_EQ(ops[1].rect.top, 350);
    EXPECT_EQ(ops[2].text, "one");
    EXPECT_DOUBLE_EQ(ops[2].lineTop, 350);
    // The second box is painted after the first one's text, over the rows they share.
    EXPECT_EQ(ops[3].kind, DrawOp::Kind::Fill);
    EXPECT_DOUBLE_EQ(ops[3].rect.top, 370);
    EXPECT_EQ(ops[4].text, "two");
}

TEST(PageLayout, TwoRemarksAreTwoLinesOneLineHeightApart) {
    const auto pages = layout(oneLabelReport(remarkLabel("road 1\r\n0571"), 658.8125));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(textsOf(pages[0]), (std::vector<std::string>{"road 1", "0571"}));
    EXPECT_DOUBLE_EQ(pages[0].ops[3].lineTop - pages[0].ops[2].lineTop, 32);
    EXPECT_EQ(pages[0].ops[2].alignment, report::Alignment::Center);
}

TEST(PageLayout, AnEmptyFirstRemarkLeavesItsLineBlank) {
    const auto pages = layout(oneLabelReport(remarkLabel("\r\n0571"), 658.8125));
    EXPECT_EQ(textsOf(pages[0]), (std::vector<std::string>{"", "0571"}));
}

TEST(PageLayout, FiveRemarkLinesPrintFourInTheBoxAndTheFifthOnAFollowingPage) {
    // As on the ticket, the band cannot grow: 50 + 587.375 already passes 658.8125 - 50.
    auto report = oneLabelReport(remarkLabel("1\r\n2\r\n3\r\n4\r\n5"), 658.8125);
    report.titleBand.height = 587.375;
    const auto pages = layout(report);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(textsOf(pages[0]), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(textsOf(pages[1]), (std::vector<std::string>{"5"}));
    // Alone on its page, in the label's box.
    ASSERT_EQ(pages[1].ops.size(), 2u);
    EXPECT_DOUBLE_EQ(pages[1].ops[1].lineTop, 350);
}

TEST(PageLayout, ExtraLinesGrowTheBandWhileThePaperAllows) {
    // Room for two more line heights below the band: 50 + 500 + 2 × 32 ≤ 680 - 50 < 50 + 500 + 3
    // × 32.
    const auto pages = layout(oneLabelReport(remarkLabel("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7"), 680));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(textsOf(pages[0]), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(textsOf(pages[1]), (std::vector<std::string>{"7"}));
    // The strips added below the band are painted white before their lines.
    const auto& ops = pages[0].ops;
    const DrawOp& strip = ops[ops.size() - 4];
    EXPECT_EQ(strip.kind, DrawOp::Kind::Fill);
    EXPECT_DOUBLE_EQ(strip.rect.top, 550);
    EXPECT_DOUBLE_EQ(strip.rect.height, 32);
}

TEST(PageLayout, LabelsWithoutAutoStretchDropTheLinesThatDoNotFit) {
    report::Label label = remarkLabel("1\r\n2\r\n3\r\n4\r\n5\r\n6");
    label.autoStretch = false;
    label.height = 44.979; // one line of 32, not two
    const auto pages = layout(oneLabelReport(label, 658.8125));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(textsOf(pages[0]), (std::vector<std::string>{"1"}));
}

TEST(PageLayout, ALineFitsWithATenthOfAMillimetreToSpare) {
    report::Label label = remarkLabel("1\r\n2");
    label.autoStretch = false;
    label.height = 63; // two lines need 64: within 63 + 1
    EXPECT_EQ(textsOf(layout(oneLabelReport(label, 658.8125))[0]).size(), 2u);
    label.height = 62.9;
    EXPECT_EQ(textsOf(layout(oneLabelReport(label, 658.8125))[0]).size(), 1u);
}

TEST(PageLayout, TheFirstLineShowsEvenWhenTheFontIsTallerThanTheBox) {
    report::Label label = remarkLabel("12");
    label.autoStretch = false;
    label.font.pointSize = 44; // a cell of 176 tenths in a box of 166.688
    label.height = 166.688;
    EXPECT_EQ(textsOf(layout(oneLabelReport(label, 658.8125))[0]),
              (std::vector<std::string>{"12"}));
}

TEST(PageLayout, ATransparentLabelPaintsNoBox) {
    report::Label label = remarkLabel("x");
    label.transparent = true;
    const auto pages = layout(oneLabelReport(label, 658.8125));
    ASSERT_EQ(pages[0].ops.size(), 2u);
    EXPECT_EQ(pages[0].ops[1].kind, DrawOp::Kind::Text);
}

} // namespace
