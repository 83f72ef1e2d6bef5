// The main loop's frame clock: 33, 33 and 34 ms in turn, 30 frames per second.
#include "presentation/FramePacer.hpp"

#include "rules/Platform.hpp"

FramePacer::~FramePacer() {}

int FramePacer::nextFrameLength() {
    int length = frameCycle == 2 ? 34 : 33;
    frameCycle = frameCycle == 2 ? 0 : frameCycle + 1;
    return length;
}

int FramePacer::sleepTime(int frameLength, int elapsedMs) {
    int left = frameLength - elapsedMs - 1;
    return left > 0 ? left : 0;
}

void FramePacer::waitFrameEnd(const sf::Clock& clock, int frameLength) {
    int sleep = sleepTime(frameLength, clock.getElapsedTime().asMilliseconds());
    if (sleep > 0) sleepMilliseconds(sleep);
    // The sleep may come back early or late by a millisecond; the spin ends the frame on time.
    while (clock.getElapsedTime().asMilliseconds() < frameLength) {
    }
}
