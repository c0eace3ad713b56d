#pragma once

#include "TextMeasurer.h"

#include <string>
#include <string_view>
#include <vector>

namespace report {

// The lines a label shows its text in: LF is dropped and CR ends a line; a line takes words (each
// ending after a space, after a hyphen or at the end of its piece) while its width plus one pixel
// stays within the label's width; a word that does not fit starts a new line, and a word wider
// than the label is cut to what fits, whole characters only, the rest dropped.
std::vector<std::string> setLabelText(std::string_view text, int labelWidthPixels, const Font& font,
                                      TextMeasurer& measurer);

} // namespace report
