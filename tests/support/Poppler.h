#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Reading PDF files back with poppler-utils of the host (see HostCommand.h).
namespace testsupport {

struct PdfWord {
    std::string text;              // UTF-8
    double xMin, yMin, xMax, yMax; // points from the page's top left corner
};

struct PdfPage {
    double width = 0; // points
    double height = 0;
    std::vector<PdfWord> words;
};

// The pages of a PDF file named as the host sees it (hostPath).
std::vector<PdfPage> readPdf(const std::string& hostFile);

// The first word of the page with this text, or null.
const PdfWord* findWord(const PdfPage& page, const std::string& text);

// Tenths of a millimetre, the report's unit, in the points of the page.
double tenthsToPoints(double tenths);

} // namespace testsupport
