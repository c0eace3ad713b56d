#pragma once

#include "report/ReportModel.h"

#include <cstdint>
#include <string>

// The ticket: a one-page report of 6.588 cm length whose title band carries the park's name, a
// dashed rule, the drawn number, the remarks, the date and time and the maker's credit line.
namespace ticket {

// The host name on the credit line; a reserved example domain.
inline constexpr const char* makerHost = "www.lanzhou.example";

// The ticket report as designed (at 96 screen pixels per inch).
report::Report makeTicketReport();

// Adapts the ticket to the paper width (tenths of a millimetre) before a print: the page takes
// the width, the band follows it in whole screen pixels, every label becomes 10 × width div 27
// screen pixels wide and is placed across the band by its alignment, and tops and heights are
// re-expressed in whole screen pixels.
void fitToPaper(report::Report& ticket, std::int32_t paperWidth, double screenPixelsPerInch);

// What one ticket shows, in GBK.
struct TicketContent {
    std::string title;
    std::string number;
    std::string dateTime;
    std::string remarks; // the remark lines joined by CR LF
};

// The ticket with these texts, fitted to the paper width at the screen's resolution.
report::Report makeTicket(const TicketContent& content, std::int32_t paperWidth,
                          double screenPixelsPerInch);

// The drawn log's line for a printed ticket: number, "----", date and time; a reprint's line
// begins with "再次打印".
std::string drawnLogLine(const std::string& number, const std::string& dateTime, bool reprint);

} // namespace ticket
