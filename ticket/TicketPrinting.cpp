#include "TicketPrinting.h"

#include "DateTimeText.h"
#include "TicketLayout.h"

#include "dialogs/Screen.h"

namespace ticket {

void TicketPrinting::print(const TicketTexts& texts, std::string remarks, bool reprint) {
    const std::string when = dateTimeText(clock_.now());
    ticket_.QuickRep1 = makeTicket({texts.title, texts.number, when, std::move(remarks)},
                                   texts.paperWidth, screenPixelsPerInch());
    log_.appendLine(drawnLogLine(texts.number, when, reprint));
    printer_.print(ticket_.QuickRep1);
}

void TicketPrinting::printTicket(const TicketTexts& texts) {
    print(texts, texts.remark1 + "\r\n" + texts.remark2, false);
}

void TicketPrinting::reprint(const TicketTexts& texts) {
    print(texts, texts.remark1, true);
}

} // namespace ticket
