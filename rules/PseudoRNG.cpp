// The game's only source of chance: every draw comes from the operating system's random device.
#include "rules/PseudoRNG.hpp"

#include <boost/random/random_device.hpp>
#include <boost/random/uniform_int_distribution.hpp>
#include <memory>
#include <mutex>

namespace {

std::mutex sourceMutex;
std::shared_ptr<RandomSource> installedSource;

std::shared_ptr<RandomSource> currentSource() {
    std::lock_guard<std::mutex> lock(sourceMutex);
    return installedSource;
}

// Opening the device costs far more than a draw, so each thread keeps one open for its lifetime.
boost::random::random_device& threadDevice() {
    thread_local boost::random::random_device device;
    return device;
}

} // namespace

PseudoRNG::~PseudoRNG() = default;

int PseudoRNG::random(int n) {
    if (n <= 1) return 0;
    if (std::shared_ptr<RandomSource> source = currentSource()) {
        int value = (*source)(n);
        if (value < 0) return 0;
        return value >= n ? n - 1 : value;
    }
    boost::random::uniform_int_distribution<int> distribution(0, n - 1);
    return distribution(threadDevice());
}

void installRandomSource(RandomSource source) {
    std::lock_guard<std::mutex> lock(sourceMutex);
    installedSource = source ? std::make_shared<RandomSource>(std::move(source)) : nullptr;
}
