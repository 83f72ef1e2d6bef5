// Figure move: a short shiver in place.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveTremble : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveTremble(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
