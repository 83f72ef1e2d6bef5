// Figure move: a short shiver in place.
#include "presentation/ModelMoveTremble.hpp"

void ModelMoveTremble::setupPhases() {
    phases[0] = 13;
    applyFacing(false);
}

void ModelMoveTremble::step() {
    if (!running) return;
    int f = frame;
    if (f < m(1)) xOffset = odd(f) ? direction * 3 : 0;
    f = nextFrame();
    if (f >= m(1)) running = 0;
}
