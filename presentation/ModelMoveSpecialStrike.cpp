// Figure move: the lean and step back of a distance attack.
#include "presentation/ModelMoveSpecialStrike.hpp"

void ModelMoveSpecialStrike::setupPhases() {
    phases[0] = 10;
    phases[1] = 49;
    phases[2] = 55;
    phases[3] = 70;
    phases[4] = 80;
    applyFacing(false);
}

void ModelMoveSpecialStrike::step() {
    if (!running) return;
    int f = frame;
    int d = direction;
    bool wide = personality == 2 || personality == 3;
    int w = wide ? 30 : 0;
    bool lifts = size < 125 && personality != 2 && personality != 3 && personality != 4;
    if (f < m(1)) {
        xOffset = over(f * w, m(1)) * d;
        if (lifts) height = sinTimes(over(f * 180, m(1)), lift(20));
    } else if (f < m(2)) {
        height = 0;
        xOffset = d * w + (odd(f) ? d * (personality == 5 ? 5 : 3) : 0);
    } else if (f < m(3)) {
        int reach = wide ? 90 : 60;
        xOffset = (w - over((f - m(2)) * reach, m(3) - m(2))) * d;
        if (lifts) height = sinTimes(over((m(3) - f) * 180, m(3) - m(2)), lift(40));
    } else if (f < m(4)) {
        xOffset = -60 * d;
        height = 0;
    } else if (f < m(5)) {
        height = 0;
        xOffset = (over((f - m(4)) * 60, m(5) - m(4)) - 60) * d;
        if (lifts) height = sinTimes(over((f - m(4)) * 180, m(5) - m(4)), lift(10));
    } else if (f == m(5)) {
        xOffset = 0;
        height = 0;
    }
    f = nextFrame();
    if (f > m(5)) running = 0;
}
