#include "DrawQueue.h"

#include "QueueBuilder.h"
#include "RandomIndex.h"

namespace draw {

namespace {
const std::string emptyText;
}

void DrawQueue::build(std::vector<std::string> pool) {
    setEntries(buildQueue(std::move(pool), seeds_));
}

void DrawQueue::setEntries(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    head_ = 0;
}

void DrawQueue::removeHead() {
    if (head_ < entries_.size()) {
        std::string().swap(entries_[head_]);
        ++head_;
    }
}

const std::string& DrawQueue::entryAt(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size() - head_) {
        return emptyText;
    }
    return entries_[head_ + static_cast<std::size_t>(index)];
}

std::span<const std::string> DrawQueue::entries() const {
    return std::span<const std::string>(entries_).subspan(head_);
}

std::int32_t DrawQueue::randomIndex(std::int32_t count) {
    return draw::randomIndex(seeds_, count);
}

} // namespace draw
