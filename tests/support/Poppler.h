#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Reading PDF files back with poppler-utils.
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

std::vector<PdfPage> readPdf(const std::filesystem::path& pdf);

// The output of a shell command; empty when it failed.
std::string commandOutput(const std::string& command);

} // namespace testsupport
