#include "Unit2.h"

#include "TicketLayout.h"

#include <QGuiApplication>
#include <QScreen>

TForm2::TForm2(QWidget* parent)
    : QWidget(parent), QuickRep1(ticket::makeTicketReport()), QRBand1(QuickRep1.titleBand),
      QRLabel1(QuickRep1.label("QRLabel1")), QRLabel2(QuickRep1.label("QRLabel2")),
      QRLabel3(QuickRep1.label("QRLabel3")), QRLabel5(QuickRep1.label("QRLabel5")),
      QRLabel6(QuickRep1.label("QRLabel6")), QRLabel7(QuickRep1.label("QRLabel7")) {
    setWindowTitle(QStringLiteral(u"打印"));
    resize(208, 249);
}

void TForm2::fitToPaper(std::int32_t paperWidth) {
    ticket::fitToPaper(QuickRep1, paperWidth,
                       QGuiApplication::primaryScreen()->logicalDotsPerInch());
}
