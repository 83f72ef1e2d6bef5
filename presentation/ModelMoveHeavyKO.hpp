// Figure move: the flight and fall of a figure knocked out by a strong hit.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveHeavyKO : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveHeavyKO(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
