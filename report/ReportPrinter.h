#pragma once

#include "ReportModel.h"

#include "common/Errors.h"

class QPrinter;

namespace report {

class EPrintError : public common::Error {
public:
    using Error::Error;
};

// Prints the report on the printer as the ticket needs it: portrait, one copy, automatic paper
// source, one-sided, collation off, an empty document name, coordinates from the paper's edges,
// and a paper of the page's width and length (to the nearest tenth of a millimetre) where the
// printer takes custom sizes, else the printer's current paper. A page without positive width
// or length fails with EPrintError before anything is printed.
void printReport(const Report& report, QPrinter& printer, double screenPixelsPerInch);

} // namespace report
