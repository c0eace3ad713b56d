#include "Unit2.h"

#include "TicketLayout.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent), QuickRep1(ticket::makeTicketReport()) {
    setWindowTitle(QStringLiteral(u"打印"));
    resize(208, 249);
}
