// Figure move: the long recoil of a strong hit, with a tilt.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveHeavyDamage : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveHeavyDamage(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
