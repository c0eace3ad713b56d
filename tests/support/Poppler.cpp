#include "Poppler.h"

#include "HostCommand.h"

#include <regex>

namespace testsupport {

std::vector<PdfPage> readPdf(const std::string& hostFile) {
    const std::string xhtml = hostCommandOutput("pdftotext -bbox '" + hostFile + "' - 2>/dev/null");
    std::vector<PdfPage> pages;
    const std::regex pageTag(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex wordTag(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::string::const_iterator from = xhtml.begin();
    while (true) {
        std::smatch page;
        std::smatch word;
        const bool hasPage = std::regex_search(from, xhtml.end(), page, pageTag);
        const bool hasWord = std::regex_search(from, xhtml.end(), word, wordTag);
        if (!hasPage && !hasWord) {
            break;
        }
        if (hasPage && (!hasWord || page.position(0) < word.position(0))) {
            pages.push_back({std::stod(page[1]), std::stod(page[2]), {}});
            from = page[0].second;
        } else {
            if (!pages.empty()) {
                pages.back().words.push_back({word[5], std::stod(word[1]), std::stod(word[2]),
                                              std::stod(word[3]), std::stod(word[4])});
            }
            from = word[0].second;
        }
    }
    return pages;
}

const PdfWord* findWord(const PdfPage& page, const std::string& text) {
    for (const PdfWord& word : page.words) {
        if (word.text == text) {
            return &word;
        }
    }
    return nullptr;
}

double tenthsToPoints(double tenths) {
    return tenths / 254.0 * 72.0;
}

} // namespace testsupport
