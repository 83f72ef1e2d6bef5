// Figure move: the roar: a turn, a shake, a hop or a float, by personality.
#pragma once

#include "presentation/ModelMove.hpp"

class ModelMoveRoar : public ModelMove {
public:
    // The base constructor cannot reach this kind's set-up, so the kind starts itself once more.
    ModelMoveRoar(int pivotX, int pivotY, int facing) : ModelMove(pivotX, pivotY, facing) { reset(); }

    void setupPhases() override;
    void step() override;
};
