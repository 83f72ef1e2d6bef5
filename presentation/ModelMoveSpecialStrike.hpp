// Figure move: the lean and step back of a distance attack.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveSpecialStrike : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveSpecialStrike(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) {
        reset();
    }

    void setupPhases() override;
    void step() override;
};
