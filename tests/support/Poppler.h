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

} // namespace testsupport
