#include "TextSetter.h"

#include "common/ByteText.h"

namespace report {

namespace {

std::vector<std::string> piecesOf(std::string_view text) {
    std::vector<std::string> pieces(1);
    for (const char c : text) {
        if (c == '\r') {
            pieces.emplace_back();
        } else if (c != '\n') {
            pieces.back() += c;
        }
    }
    return pieces;
}

std::vector<std::string_view> wordsOf(std::string_view piece) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i < piece.size(); i += common::gbkCharLength(piece, i)) {
        if (piece[i] == ' ' || piece[i] == '-') {
            words.push_back(piece.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < piece.size()) {
        words.push_back(piece.substr(start));
    }
    return words;
}

class LineFitter {
public:
    LineFitter(int widthPixels, const Font& font, TextMeasurer& measurer)
        : width_(widthPixels), font_(font), measurer_(measurer) {}

    bool fits(std::string_view text) {
        return measurer_.textWidthPixels(font_, text) + 1 <= width_;
    }

    // The longest start of the word that fits, in whole characters.
    std::string_view cut(std::string_view word) {
        std::size_t end = 0;
        while (end < word.size()) {
            const std::size_t next = end + common::gbkCharLength(word, end);
            if (!fits(word.substr(0, next))) {
                break;
            }
            end = next;
        }
        return word.substr(0, end);
    }

private:
    int width_;
    const Font& font_;
    TextMeasurer& measurer_;
};

} // namespace

std::vector<std::string> setLabelText(std::string_view text, int labelWidthPixels, const Font& font,
                                      TextMeasurer& measurer) {
    LineFitter fitter(labelWidthPixels, font, measurer);
    std::vector<std::string> lines;
    for (const std::string& piece : piecesOf(text)) {
        std::string line;
        bool lineStarted = false;
        for (const std::string_view word : wordsOf(piece)) {
            if (fitter.fits(line + std::string(word))) {
                line += word;
                lineStarted = true;
                continue;
            }
            if (lineStarted) {
                lines.push_back(line);
            }
            line = fitter.fits(word) ? std::string(word) : std::string(fitter.cut(word));
            lineStarted = true;
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace report
