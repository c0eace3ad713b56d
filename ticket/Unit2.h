#pragma once

#include "report/ReportModel.h"

#include <QWidget>

#include <cstdint>

// The ticket report window: created hidden at start and never shown; it carries the ticket.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // Adapts the ticket to the paper width (tenths of a millimetre) at the screen's resolution.
    void fitToPaper(std::int32_t paperWidth);

    report::Report QuickRep1;
    report::Band& QRBand1;
    report::Label& QRLabel1;
    report::Label& QRLabel2;
    report::Label& QRLabel3;
    report::Label& QRLabel5;
    report::Label& QRLabel6;
    report::Label& QRLabel7;
};
