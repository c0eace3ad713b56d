#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small banded report: one page layout, one title band printed once at the top margin, and
// labels on it. Page, band and label geometry is in tenths of a millimetre; texts are GBK bytes.
namespace report {

enum class Alignment { Left, Center };

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t white = 0xFFFFFF;
inline constexpr std::uint32_t windowText = 0x000000;
inline constexpr std::uint32_t buttonFace = 0xF0F0F0;

struct Font {
    std::string face; // UTF-8 face name as the program asks for it
    int pointSize = 10;
    bool bold = false;
    std::uint32_t color = windowText;
};

struct Label {
    std::string name;
    std::string text;
    double left = 0;
    double top = 0; // from the band's top edge
    double width = 0;
    double height = 0;
    Font font;
    Alignment alignment = Alignment::Left;
    bool autoStretch = false;
    bool transparent = false;
    std::uint32_t color = white;
};

struct Band {
    std::string name;
    double width = 0;
    double height = 0;
    std::uint32_t color = white;
    std::vector<Label> labels; // in drawing order
};

// The page of a custom paper size.
struct Page {
    double bottomMargin = 0;
    double length = 0;
    double topMargin = 0;
    double width = 0;
    double leftMargin = 0;
};

struct Report {
    std::string name;
    Page page;
    Band titleBand;

    // The label of that name on the title band; std::out_of_range when there is none.
    Label& label(const std::string& labelName);
    const Label& label(const std::string& labelName) const;
};

} // namespace report
