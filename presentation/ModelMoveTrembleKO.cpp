// Figure move: the fall of a figure knocked out in place.
#include "presentation/ModelMoveTrembleKO.hpp"

void ModelMoveTrembleKO::setupPhases() {
    phases[0] = 15;
    // Same amplitudes as the knock-out by a hit, the moles' and snakes' included.
    setFallAmplitude();
}

void ModelMoveTrembleKO::step() {
    if (!running) return;
    int f = nextFrame();
    int d = direction;
    int k = f - 4;
    if (f < m(1)) {
        xOffset = odd(f) ? d * 3 : 0;
        height = 0;
        transform = sf::Transform::Identity;
        collapse(k);
    } else if (personality == 9) {
        driftUp(2 * f - 4 - m(1));
    }
    if (f >= m(1) && personality != 9) running = 0;
}
