#include "settings/ByteStream.h"
#include "settings/EcbStream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {
std::atomic<long> allocations{0};
}

// Every allocation of this test program passes here, so a test can count them.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

TEST(EcbStreamAllocation, DecryptionAllocatesNothingWhenTheDestinationHasRoom) {
    settings::Key192 key{};
    settings::MemoryStream source(std::string(4096, 's'));
    settings::MemoryStream destination(std::string(4096, 'd'));
    const long before = allocations;
    settings::DecryptStreamEcb(source, 0, key, destination);
    EXPECT_EQ(allocations - before, 0);
    EXPECT_EQ(destination.position(), 4096);
}

} // namespace
