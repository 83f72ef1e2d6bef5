// Figure move: the short recoil of a weak hit.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveLightDamage : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveLightDamage(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
