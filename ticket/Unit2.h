#pragma once

#include "report/ReportModel.h"

#include <QWidget>

// The ticket report window: created hidden at start and never shown; it carries the ticket last
// printed, the designed one before the first print.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    report::Report QuickRep1;
};
