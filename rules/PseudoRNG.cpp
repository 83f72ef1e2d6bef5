// The game's only source of chance: every draw comes from the operating system's random device.
#include "rules/PseudoRNG.hpp"

#include <algorithm>
#include <atomic>
#include <boost/random/random_device.hpp>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <pthread.h>
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

ssize_t systemEntropy(void* bytes, std::size_t count) { return getrandom(bytes, count, 0); }

std::uint32_t deviceWord() {
    thread_local boost::random::random_device device;
    return device();
}

// Kept out of line, once a block: inlined into the draw, the fill's loops cost every draw registers.
[[gnu::noinline]] void refill(EntropyBuffer& buffer) {
    fillEntropy(buffer.bytes, ENTROPY_BLOCK, systemEntropy, deviceWord);
    buffer.used = 0;
}

// A forked child starts with a copy of its parent's buffer: drawing from it would repeat the parent's
// numbers. Only the forking thread lives on in the child, so its buffer is the only one to empty.
void forgetBufferedEntropy() { threadEntropy.used = ENTROPY_BLOCK; }
struct ForkHandler {
    ForkHandler() { pthread_atfork(nullptr, nullptr, forgetBufferedEntropy); }
} forkHandler;

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

// getrandom may return fewer bytes than asked or be interrupted by a signal; both just ask again for the
// rest. Where the call is missing or refused, the fallback fills what is left.
void fillEntropy(unsigned char* bytes, std::size_t size, EntropyRead read, EntropyWord fallback) {
    std::size_t filled = 0;
    while (filled < size) {
        ssize_t got = read(bytes + filled, size - filled);
        if (got > 0) {
            filled += static_cast<std::size_t>(got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    while (filled < size) {
        std::uint32_t word = fallback();
        // The system call may have stopped at any byte: the last word is cut to what the block has left.
        std::size_t part = std::min(sizeof word, size - filled);
        std::memcpy(bytes + filled, &word, part);
        filled += part;
    }
}

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
