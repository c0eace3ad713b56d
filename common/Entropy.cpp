#include "Entropy.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
// windows.h first: bcrypt.h needs its types.
#include <windows.h>

#include <bcrypt.h>
#else
#include <sys/random.h>
#endif

namespace common {

void fillEntropy(void* buffer, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(buffer);
#ifdef _WIN32
    const NTSTATUS status =
        BCryptGenRandom(nullptr, bytes, static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (status != 0) {
        throw std::system_error(static_cast<int>(status), std::system_category(),
                                "BCryptGenRandom");
    }
#else
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = getrandom(bytes + done, size - done, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            throw std::system_error(errno, std::generic_category(), "getrandom");
        }
        done += static_cast<std::size_t>(got);
    }
#endif
}

} // namespace common
