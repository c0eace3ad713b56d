#pragma once

#include "SeedSource.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace draw {

// The order of an event's draws: the head is the next entry to be drawn. It is filled once per
// run (built for a new event, or set from the remainder file) and after that only loses its head.
// Reading past the end gives the empty text.
class DrawQueue {
public:
    explicit DrawQueue(SeedSource& seeds) : seeds_(seeds) {}

    // Fails with EConvertError when a pinned line's position is not an integer; the queue is
    // then left as it was.
    void build(std::vector<std::string> pool);
    void setEntries(std::vector<std::string> entries);

    std::int32_t eventTotal() const { return eventTotal_; }
    void setEventTotal(std::int32_t total) { eventTotal_ = total; }

    std::int32_t count() const { return static_cast<std::int32_t>(entries_.size() - head_); }
    const std::string& head() const { return entryAt(0); }
    void removeHead();
    // Index counted from 0; the empty text past the end.
    const std::string& entryAt(std::int32_t index) const;
    std::span<const std::string> entries() const;

    // The one source of chance: an index from 0 to count - 1, 0 for a count of 0.
    std::int32_t randomIndex(std::int32_t count);

private:
    SeedSource& seeds_;
    std::vector<std::string> entries_;
    std::size_t head_ = 0; // drawn entries stay in front of head_, emptied
    std::int32_t eventTotal_ = 0;
};

} // namespace draw
