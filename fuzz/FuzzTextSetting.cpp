// Text setting in a label: no line is wider than the label (unless it is empty) and no
// double-byte character is split.
#include "common/ByteText.h"
#include "report/TextSetter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// 7 pixels a byte, 13 for a double-byte character, so cuts inside a character would show.
class Measurer final : public report::TextMeasurer {
public:
    double textWidthPixels(const report::Font&, std::string_view text) override {
        double width = 0;
        for (std::size_t i = 0; i < text.size(); i += common::gbkCharLength(text, i)) {
            width += common::gbkCharLength(text, i) == 2 ? 13 : 7;
        }
        return width;
    }
    double cellHeightTenths(const report::Font&) override { return 30; }
};

// The lead bytes that stand alone somewhere in the text, not followed by a trail byte.
std::vector<bool> loneLeadBytes(std::string_view text) {
    std::vector<bool> lone(256, false);
    for (std::size_t i = 0; i < text.size(); i += common::gbkCharLength(text, i)) {
        if (common::isGbkLeadByte(text[i]) && common::gbkCharLength(text, i) == 1) {
            lone[static_cast<unsigned char>(text[i])] = true;
        }
    }
    return lone;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const int width = data[0];
    // Line feeds are dropped by the setting itself; without them every line is a run of the text.
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::erase(text, '\n');
    Measurer measurer;
    const auto lines = report::setLabelText(text, width, report::Font{}, measurer);
    const std::vector<bool> lone = loneLeadBytes(text);
    for (const auto& line : lines) {
        if (!line.empty() && measurer.textWidthPixels({}, line) + 1 > width) {
            std::abort();
        }
        if (line.find('\r') != std::string::npos) {
            std::abort();
        }
        // Lines start at word starts; a cut could only split a character at a line's end, where
        // a lead byte would then stand alone although the text never has it alone.
        std::size_t last = 0;
        for (std::size_t i = 0; i < line.size(); i += common::gbkCharLength(line, i)) {
            last = i;
        }
        if (!line.empty() && last == line.size() - 1 && common::isGbkLeadByte(line[last]) &&
            !lone[static_cast<unsigned char>(line[last])]) {
            std::abort();
        }
    }
    return 0;
}
