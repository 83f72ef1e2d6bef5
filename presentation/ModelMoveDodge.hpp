// Figure move: the side step (or burrow, fade, blink, flight) of a missed target.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveDodge : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveDodge(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
