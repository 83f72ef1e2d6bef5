// The game's only source of chance: every draw comes from the operating system's random device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <sys/types.h>

class PseudoRNG {
public:
    virtual ~PseudoRNG();
    // Uniform in 0 .. n-1. n = 1 gives 0 without drawing; n < 1 gives 0 as well.
    virtual int random(int n);
};

// Test seam: while a source is installed, every PseudoRNG draw for n >= 2 asks it instead of the device.
// The source's answer is brought into 0 .. n-1. Install nothing (an empty function) to go back to the device.
// Install or remove a source only while no draw is running on another thread.
using RandomSource = std::function<int(int n)>;
void installRandomSource(RandomSource source);

// How a block of entropy is filled: from read (called like getrandom) for as long as it gives bytes, then
// from fallback's words for whatever it left, never past the block's size. Given its sources so that a
// failing system call can be tested.
using EntropyRead = ssize_t (*)(void* bytes, std::size_t count);
using EntropyWord = std::uint32_t (*)();
void fillEntropy(unsigned char* bytes, std::size_t size, EntropyRead read, EntropyWord fallback);
