// Figure move: the recoil of an ordinary hit.
#include "presentation/ModelMoveDamage.hpp"

void ModelMoveDamage::setupPhases() {
    phases[0] = 3;
    phases[1] = 15;
    phases[2] = 18;
    phases[5] = personality == 1 ? 30 : 0;
    applyFacing();
}

void ModelMoveDamage::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    if (f < m(1)) {
        xOffset = d * f * 6;
        if (a != 0) turnBy(a * f, pivotX + xOffset, pivotY);
    } else if (f >= m(2)) {
        xOffset = d * (m(3) - f) * 6;
        if (a != 0) turnBy(a * (m(3) - f), pivotX + xOffset, pivotY);
    } else {
        xOffset = d * m(1) * 6 + (odd(f) ? d * 3 : 0);
        if (a != 0) turnBy(a * m(1), pivotX + xOffset, pivotY);
    }
    if (f >= m(3)) running = 0;
}
