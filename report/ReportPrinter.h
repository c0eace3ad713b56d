#pragma once

#include "ReportModel.h"

#include "common/Errors.h"

#include <functional>

class QPrinter;

namespace report {

class EPrintError : public common::Error {
public:
    using Error::Error;
};

// Fails with EPrintError for a page without positive width or length, which no printer takes.
void checkPrintable(const Report& report);

// Prints the report on the printer as the ticket needs it: portrait, one copy, automatic paper
// source, one-sided, collation off, an empty document name, coordinates from the paper's edges,
// and a paper of the page's width and length (to the nearest tenth of a millimetre) where the
// printer takes custom sizes, else the printer's current paper. A page without positive width
// or length fails with EPrintError before anything is printed. progress, when given, hears of
// every page before it is drawn and at the end (pages done, pages in all); returning false
// cancels the print, which is then abandoned without a failure.
using PrintProgress = std::function<bool(int done, int total)>;
void printReport(const Report& report, QPrinter& printer, double screenPixelsPerInch,
                 const PrintProgress& progress = {});

} // namespace report
