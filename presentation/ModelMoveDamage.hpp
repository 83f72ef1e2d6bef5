// Figure move: the recoil of an ordinary hit.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveDamage : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveDamage(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
