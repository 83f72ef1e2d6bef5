// The main loop's frame clock: 33, 33 and 34 ms in turn, 30 frames per second.
#pragma once

#include <SFML/System/Clock.hpp>

class FramePacer {
public:
    virtual ~FramePacer();
    // The length of the coming frame in ms, advancing the cycle.
    virtual int nextFrameLength();
    // How long to sleep when elapsed ms of the frame are gone: all but the last millisecond, or 0.
    virtual int sleepTime(int frameLength, int elapsedMs);
    // Sleeps, then spins on the clock until the frame's length has passed (nothing when already past).
    virtual void waitFrameEnd(const sf::Clock& clock, int frameLength);

private:
    int frameCycle = 0;
};
