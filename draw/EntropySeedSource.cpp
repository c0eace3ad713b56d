#include "EntropySeedSource.h"

#include "common/Entropy.h"

namespace draw {

std::uint32_t EntropySeedSource::nextSeed() {
    if (next_ == buffer_.size()) {
        common::fillEntropy(buffer_.data(), sizeof buffer_);
        next_ = 0;
    }
    return buffer_[next_++];
}

} // namespace draw
