// Figure move: the fall of a figure knocked out in place.
#include "presentation/ModelMoveTrembleKO.hpp"

void ModelMoveTrembleKO::setupPhases() {
    phases[0] = 15;
    // Same amplitudes as the knock-out by a hit, the moles' and snakes' included.
    if (personality == 1)
        phases[5] = 30;
    else if (personality == 2 || personality == 3)
        ;
    else if (personality == 4)
        phases[5] = 20;
    else if (size >= 80 && personality != 6)
        phases[5] = -10;
    else
        phases[5] = 10;
    applyFacing();
}

void ModelMoveTrembleKO::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int a = amplitude();
    int k = f - 4;
    if (f < m(1)) {
        xOffset = odd(f) ? d * 3 : 0;
        height = 0;
        transform = sf::Transform::Identity;
        if (personality == 1) {
            if (k >= 7) k = 6;
        } else if (k > 9) {
            k = 9;
        }
        if (k < 1) return;
        if (a == 0) {
            squashBy(k);
        } else {
            if (personality == 9) {
                setAlpha(255 - k * 127 / 9);
                height = k;
            }
            turnBy(a * k, pivotX + xOffset, pivotY - height);
        }
    } else if (personality == 9) {
        setAlpha(128);
        height = 2 * f - 4 - m(1);
        turnBy(a * 9, pivotX + xOffset, pivotY - height);
    }
    if (f >= m(1) && personality != 9) running = 0;
}
