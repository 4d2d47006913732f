#include "Numerics/Random.h"

#include <sys/random.h>

#include <cerrno>
#include <cstddef>

namespace numerics {

namespace {

// Per-thread buffer of secure random words, refilled from getrandom.
struct SecureBuffer {
    static constexpr std::size_t kWords = 256;
    uint64_t words[kWords];
    std::size_t next = kWords;

    uint64_t take() {
        if (next == kWords) {
            auto* bytes = reinterpret_cast<unsigned char*>(words);
            std::size_t filled = 0;
            while (filled < sizeof(words)) {
                const ssize_t got = getrandom(bytes + filled, sizeof(words) - filled, 0);
                if (got < 0) {
                    if (errno == EINTR) continue;
                    platform::fatalError("Fatal error: the system random source failed");
                }
                filled += static_cast<std::size_t>(got);
            }
            next = 0;
        }
        return words[next++];
    }
};

} // namespace

uint64_t SystemRandomNumberGenerator::operator()() {
    thread_local SecureBuffer buffer;
    return buffer.take();
}

} // namespace numerics
