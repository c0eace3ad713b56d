#pragma once

#include "PrintService.h"
#include "Unit2.h"
#include "Unit3.h"

#include "common/LocalClock.h"

#include <cstdint>
#include <string>

namespace ticket {

// What a print needs from the main window: all texts in GBK.
struct TicketTexts {
    std::string title;  // the title label's text
    std::string number; // the number display's text
    std::string remark1;
    std::string remark2;
    std::int32_t paperWidth = 0;
};

// Makes the ticket, which the ticket window then carries, logs the print and prints it. The log
// line is added before anything is printed, so it stays when printing fails.
class TicketPrinting {
public:
    TicketPrinting(TForm2& ticket, TForm3& log, PrintService& printer,
                   const common::LocalClock& clock)
        : ticket_(ticket), log_(log), printer_(printer), clock_(clock) {}

    // The ticket of a draw: both remarks. Failures reach the caller.
    void printTicket(const TicketTexts& texts);

    // The ticket again, "再次打印" in its log line, remark 1 only. Failures reach the caller.
    void reprint(const TicketTexts& texts);

private:
    void print(const TicketTexts& texts, std::string remarks, bool reprint);

    TForm2& ticket_;
    TForm3& log_;
    PrintService& printer_;
    const common::LocalClock& clock_;
};

} // namespace ticket
