#include "TicketPrinting.h"

#include "DateTimeText.h"

namespace ticket {

std::string TicketPrinting::fill(const TicketTexts& texts) {
    ticket_.fitToPaper(texts.paperWidth);
    ticket_.QRLabel1.text = texts.title;
    ticket_.QRLabel2.text = texts.number;
    ticket_.QRLabel3.text = dateTimeText(clock_.now());
    return ticket_.QRLabel3.text;
}

void TicketPrinting::printTicket(const TicketTexts& texts) {
    const std::string when = fill(texts);
    ticket_.QRLabel5.text = texts.remark1 + "\r\n" + texts.remark2;
    log_.appendLine(texts.number + "----" + when);
    printer_.print(ticket_.QuickRep1);
}

void TicketPrinting::reprint(const TicketTexts& texts) {
    const std::string when = fill(texts);
    ticket_.QRLabel5.text = texts.remark1;
    // 再次打印 in code page 936.
    log_.appendLine("\xd4\xd9\xb4\xce\xb4\xf2\xd3\xa1" + texts.number + "----" + when);
    printer_.print(ticket_.QuickRep1);
}

} // namespace ticket
