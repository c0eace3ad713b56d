#include "ProgramWindows.h"

ProgramWindows::ProgramWindows(TForm1& form1, Dialogs& dialogs, speech::Speech& speech)
    : form4(dialogs, speech, form1.paths()), printing(form2, form3, printer, clock) {
    form1.attachTicket(printing, form3);
    form1.attachSettingsWindow(form4);
}
