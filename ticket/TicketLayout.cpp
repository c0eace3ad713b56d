#include "TicketLayout.h"

#include "common/Codepage.h"
#include "report/Units.h"

#include <string_view>

namespace ticket {

namespace {

constexpr double designPixelsPerInch = 96;

double designTenths(int pixels) {
    return report::pixelsToTenths(pixels, designPixelsPerInch);
}

std::string gbk(std::string_view utf8) {
    return common::utf8ToGbk(utf8).value();
}

report::Label label(const char* name, std::string text, int left, int top, int width, int height,
                    report::Font font, report::Alignment alignment) {
    report::Label label;
    label.name = name;
    label.text = std::move(text);
    label.left = designTenths(left);
    label.top = designTenths(top);
    label.width = designTenths(width);
    label.height = designTenths(height);
    label.font = std::move(font);
    label.alignment = alignment;
    return label;
}

std::string dashedRule() {
    std::string rule = "-";
    for (int i = 1; i < 60; ++i) {
        rule += " -";
    }
    return rule;
}

double inWholeScreenPixels(double tenths, double screenPixelsPerInch) {
    return report::pixelsToTenths(report::tenthsToPixels(tenths, screenPixelsPerInch),
                                  screenPixelsPerInch);
}

} // namespace

report::Report makeTicketReport() {
    using report::Alignment;
    const report::Font heiTi18{"黑体", 18, true, report::windowText};
    const report::Font heiTi44{"黑体", 44, true, report::windowText};
    const report::Font songTi8Bold{"宋体", 8, true, report::windowText};
    const report::Font songTi8{"宋体", 8, false, report::windowText};
    const report::Font credit{"宋体", 8, false, report::buttonFace};
    const report::Font arial10{"Arial", 10, false, report::windowText};

    report::Report ticket;
    ticket.name = "QuickRep1";
    ticket.page = {50, 658.8125, 50, designTenths(208), 0};
    ticket.titleBand.name = "QRBand1";
    ticket.titleBand.width = designTenths(208);
    ticket.titleBand.height = designTenths(222);

    auto& labels = ticket.titleBand.labels;
    labels.push_back(label("QRLabel1", gbk("名称"), 2, 2, 204, 42, heiTi18, Alignment::Center));
    labels.push_back(label("QRLabel2", gbk("序号"), 2, 52, 203, 63, heiTi44, Alignment::Center));
    labels.push_back(label("QRLabel3", gbk("日期"), 0, 169, 208, 17, songTi8, Alignment::Center));
    labels.push_back(
        label("QRLabel5", gbk("地址："), 0, 119, 208, 50, songTi8Bold, Alignment::Center));
    labels.back().autoStretch = true;
    labels.push_back(label("QRLabel6", gbk("岚舟科技出品 ") + makerHost, 0, 185, 208, 17, credit,
                           Alignment::Center));
    labels.push_back(label("QRLabel7", dashedRule(), 0, 38, 209, 17, arial10, Alignment::Left));
    return ticket;
}

void fitToPaper(report::Report& ticket, std::int32_t paperWidth, double screenPixelsPerInch) {
    ticket.page.width = paperWidth;
    report::Band& band = ticket.titleBand;
    const int bandPixels = report::tenthsToPixels(paperWidth, screenPixelsPerInch);
    band.width = report::pixelsToTenths(bandPixels, screenPixelsPerInch);

    const auto labelPixels = static_cast<int>(std::int64_t{10} * paperWidth / 27);
    for (report::Label& label : band.labels) {
        label.width = report::pixelsToTenths(labelPixels, screenPixelsPerInch);
        const int leftPixels =
            label.alignment == report::Alignment::Center ? (bandPixels - labelPixels) / 2 : 0;
        label.left = report::pixelsToTenths(leftPixels, screenPixelsPerInch);
        label.top = inWholeScreenPixels(label.top, screenPixelsPerInch);
        label.height = inWholeScreenPixels(label.height, screenPixelsPerInch);
    }
}

report::Report makeTicket(const TicketContent& content, std::int32_t paperWidth,
                          double screenPixelsPerInch) {
    report::Report ticket = makeTicketReport();
    fitToPaper(ticket, paperWidth, screenPixelsPerInch);
    ticket.label("QRLabel1").text = content.title;
    ticket.label("QRLabel2").text = content.number;
    ticket.label("QRLabel3").text = content.dateTime;
    ticket.label("QRLabel5").text = content.remarks;
    return ticket;
}

std::string drawnLogLine(const std::string& number, const std::string& dateTime, bool reprint) {
    return (reprint ? gbk("再次打印") : std::string()) + number + "----" + dateTime;
}

} // namespace ticket
