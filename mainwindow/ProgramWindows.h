#pragma once

#include "Unit1.h"

#include "settings/Unit4.h"
#include "ticket/SystemPrintService.h"
#include "ticket/TicketPrinting.h"
#include "ticket/Unit2.h"
#include "ticket/Unit3.h"

// The windows made after the main window, in their order (the ticket report, the drawn log, the
// settings window), with the system's printing, wired into the main window.
class ProgramWindows {
public:
    ProgramWindows(TForm1& form1, Dialogs& dialogs, speech::Speech& speech);

    TForm2 form2;
    ticket::SystemPrintService printer;
    TForm3 form3;
    TForm4 form4;
    const common::LocalClock clock;
    ticket::TicketPrinting printing;
};
