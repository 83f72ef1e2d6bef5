// The game's only source of chance: every draw comes from the operating system's random device.
#include "rules/PseudoRNG.hpp"

#include <atomic>
#include <boost/random/random_device.hpp>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <sys/random.h>

namespace {

// Guards the installed source. The flag tells the draws whether to look at all, so that the game, which
// never installs one, draws without ever taking the lock.
std::mutex sourceMutex;
std::shared_ptr<RandomSource> installedSource;
std::atomic<bool> sourceInstalled{false};

std::shared_ptr<RandomSource> currentSource() {
    std::lock_guard<std::mutex> lock(sourceMutex);
    return installedSource;
}

// Entropy is fetched a block at a time: one system call per block instead of one per draw. Every byte is
// handed out once and never reused, so each draw still reads fresh bytes from the system.
constexpr std::size_t ENTROPY_BLOCK = 4096;

struct EntropyBuffer {
    unsigned char bytes[ENTROPY_BLOCK];
    std::size_t used;
};

// Plain data, so that reaching a thread's buffer costs no guard; used = ENTROPY_BLOCK means "empty".
thread_local EntropyBuffer threadEntropy = {{}, ENTROPY_BLOCK};

// Fills the whole block. getrandom may return fewer bytes than asked or be interrupted by a signal; both
// just ask again for the rest. Where the call is missing or refused, the Boost device fills what is left.
void refill(EntropyBuffer& buffer) {
    std::size_t filled = 0;
    while (filled < ENTROPY_BLOCK) {
        ssize_t got = getrandom(buffer.bytes + filled, ENTROPY_BLOCK - filled, 0);
        if (got > 0) {
            filled += static_cast<std::size_t>(got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    if (filled < ENTROPY_BLOCK) {
        thread_local boost::random::random_device device;
        for (; filled < ENTROPY_BLOCK; filled += sizeof(std::uint32_t)) {
            std::uint32_t word = device();
            std::memcpy(buffer.bytes + filled, &word, sizeof word);
        }
    }
    buffer.used = 0;
}

// 32 fresh random bits.
std::uint32_t nextWord() {
    EntropyBuffer& buffer = threadEntropy;
    if (buffer.used + sizeof(std::uint32_t) > ENTROPY_BLOCK) refill(buffer);
    std::uint32_t word;
    std::memcpy(&word, buffer.bytes + buffer.used, sizeof word);
    buffer.used += sizeof word;
    return word;
}

// Uniform in 0 .. n-1 for n >= 2, exactly: the 32-bit range is cut into n buckets of equal size and a word
// past the last whole bucket is drawn again (the method of Boost's uniform_int_distribution, bucket for
// bucket, so the same words give the same results).
int uniformDraw(int n) {
    const std::uint32_t top = UINT32_MAX;
    const std::uint32_t count = static_cast<std::uint32_t>(n);
    std::uint32_t bucket = top / count;
    if (top % count == count - 1) ++bucket;
    for (;;) {
        std::uint32_t result = nextWord() / bucket;
        if (result < count) return static_cast<int>(result);
    }
}

} // namespace

PseudoRNG::~PseudoRNG() = default;

int PseudoRNG::random(int n) {
    if (n <= 1) return 0;
    if (sourceInstalled.load(std::memory_order_acquire)) {
        if (std::shared_ptr<RandomSource> source = currentSource()) {
            int value = (*source)(n);
            if (value < 0) return 0;
            return value >= n ? n - 1 : value;
        }
    }
    return uniformDraw(n);
}

void installRandomSource(RandomSource source) {
    std::lock_guard<std::mutex> lock(sourceMutex);
    installedSource = source ? std::make_shared<RandomSource>(std::move(source)) : nullptr;
    sourceInstalled.store(installedSource != nullptr, std::memory_order_release);
}
