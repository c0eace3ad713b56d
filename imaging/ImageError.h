#pragma once

#include "common/Errors.h"

namespace imaging {

// A picture that is damaged or not of its kind; the text is the decoder's own message.
class EImageError : public common::Error {
public:
    using Error::Error;
};

} // namespace imaging
