#pragma once

#include "imaging/Image.h"

#include <string>
#include <string_view>

namespace testsupport {

// An ESC/POS job as a receipt printer reads it, for the commands the ticket uses: ESC @, GS v 0
// in normal size with at most 255 rows a band, all bands of one width, ESC d and GS V. Anything
// else, or a band whose data ends early, makes the job ill-formed.
struct EscPosReading {
    imaging::Image picture; // the bands one below the other, black on white
    int bands = 0;
    bool cut = false;
    std::string error; // empty for a well-formed job
};

EscPosReading readEscPos(std::string_view job);

} // namespace testsupport
