// Figure move: the fall of a figure knocked out by a hit.
#include "presentation/ModelMoveDamageKO.hpp"

void ModelMoveDamageKO::setupPhases() {
    phases[0] = 6;
    phases[1] = 18;
    // Moles and snakes keep the amplitude of the previous set-up, turned over once more.
    setFallAmplitude();
}

void ModelMoveDamageKO::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int k = f - 6;
    if (f < m(1)) {
        xOffset = d * f * 7;
        transform = sf::Transform::Identity;
    } else if (f < m(2)) {
        height = 0;
        xOffset = d * m(1) * 7 + (odd(f) ? d * 3 : 0);
        transform = sf::Transform::Identity;
        collapse(k);
    } else if (personality == 9) {
        // A ghost does not fall: it drifts up, half seen, until the figure plays something else.
        driftUp(2 * f - 6 - m(2));
    }
    if (f >= m(2) && personality != 9) running = 0;
}
