// Figure move: the long recoil of a strong hit, with a tilt.
#include "presentation/ModelMoveHeavyDamage.hpp"

#include <algorithm>

void ModelMoveHeavyDamage::setupPhases() {
    phases[0] = 5;
    phases[1] = 20;
    phases[2] = 25;
    // Moles, snakes and fish keep the amplitude of the previous set-up, turned over once more.
    if (personality == 1)
        phases[5] = 30;
    else if (personality == 2 || personality == 3 || personality == 4)
        ;
    else if (personality == 6 || size >= 80)
        phases[5] = -10;
    else
        phases[5] = 15;
    applyFacing();
}

void ModelMoveHeavyDamage::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    int k = f < m(3) / 2 ? f - 2 : m(3) - f - 2;
    k = std::max(k, 0);
    k = std::min(k, personality == 1 ? 6 : 3);
    if (f < m(1))
        xOffset = d * f * 12;
    else if (f < m(2))
        xOffset = d * m(1) * 12 + (odd(f) ? d * 6 : 0);
    else
        xOffset = d * (m(3) - f) * 12;
    transform = sf::Transform::Identity;
    if (a != 0) turnBy(a * k, pivotX + xOffset, pivotY);
    if (f >= m(3)) running = 0;
}
