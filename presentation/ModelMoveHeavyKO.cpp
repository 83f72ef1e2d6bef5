// Figure move: the flight and fall of a figure knocked out by a strong hit.
#include "presentation/ModelMoveHeavyKO.hpp"

#include <algorithm>

void ModelMoveHeavyKO::setupPhases() {
    phases[0] = 10;
    phases[1] = 22;
    // Moles and snakes keep the amplitude of the previous set-up, turned over once more.
    if (personality == 1 || personality == 4)
        phases[5] = 60;
    else if (personality == 2 || personality == 3)
        ;
    else if (size >= 80 && personality != 6)
        phases[5] = -10;
    else
        phases[5] = 30;
    applyFacing();
}

void ModelMoveHeavyKO::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    int k = std::min(f, 9);
    if (f < m(1))
        xOffset = d * f * 10;
    else
        xOffset = d * (std::min(f - m(1), 6) * 4 + m(1) * 10);
    bool grounded = personality == 2 || personality == 3 || personality == 4;
    if (f < m(1) && size < 125 && !grounded)
        height = sinTimes(over(f * 180, m(1)), lift(40));
    else
        height = 0;
    if (personality == 9) {
        setAlpha(255 - k * 127 / 9);
        height += f - k;
    }
    transform = sf::Transform::Identity;
    if (k > 0) {
        if (a != 0) {
            // Heavy figures sink into the ground as they tip over; balls just roll.
            if (personality != 1) height -= size * k / 75;
            turnBy(a * k, pivotX + xOffset, pivotY - height);
        } else {
            squashBy(k);
        }
    }
    if (f >= m(2) && personality != 9) running = 0;
}
