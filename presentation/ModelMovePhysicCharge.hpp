// Figure move: the wind-up, dash and return of a contact attack.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMovePhysicCharge : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMovePhysicCharge(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
