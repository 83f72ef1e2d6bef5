// Figure move: the fall of a figure knocked out in place.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveTrembleKO : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveTrembleKO(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
