// Figure move: the short recoil of a weak hit.
#include "presentation/ModelMoveLightDamage.hpp"

void ModelMoveLightDamage::setupPhases() {
    phases[0] = 3;
    phases[1] = 9;
    phases[2] = 12;
    phases[5] = personality == 1 ? 15 : 0;
    applyFacing();
}

void ModelMoveLightDamage::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    if (f < m(1)) {
        xOffset = d * f * 4;
        if (a != 0) turnBy(a * f, pivotX + xOffset, pivotY);
    } else if (f >= m(2)) {
        // The way back is quicker than the push.
        xOffset = d * (m(3) - f) * 6;
        if (a != 0) turnBy(a * (m(3) - f), pivotX + xOffset, pivotY);
    } else {
        xOffset = d * m(1) * 4 + (odd(f) ? d * 3 : 0);
        if (a != 0) turnBy(a * m(1), pivotX + xOffset, pivotY);
    }
    if (f >= m(3)) running = 0;
}
