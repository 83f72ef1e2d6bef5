// The game's only source of chance: every draw comes from the operating system's random device.
#include "rules/PseudoRNG.hpp"

#include <atomic>
#include <boost/random/random_device.hpp>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/random.h>
#include <utility>

namespace {

// The installed source, or null. A draw reads it with one atomic load: no lock, no copy. Sources are put in
// and taken out only while nothing draws on another thread (the tests install one before their battle and
// remove it after the bots' threads are joined), so the one a draw reads stays alive while it is called.
std::atomic<const RandomSource*> installedSource{nullptr};

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
    if (const RandomSource* source = installedSource.load(std::memory_order_acquire)) {
        int value = (*source)(n);
        if (value < 0) return 0;
        return value >= n ? n - 1 : value;
    }
    return uniformDraw(n);
}

void installRandomSource(RandomSource source) {
    const RandomSource* fresh = source ? new RandomSource(std::move(source)) : nullptr;
    delete installedSource.exchange(fresh, std::memory_order_acq_rel);
}
