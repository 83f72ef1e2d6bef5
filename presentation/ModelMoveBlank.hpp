// Figure move: none; the figure stands still and the move never stops.
#pragma once

#include "presentation/ModelMove.hpp"

// The base move already plays nothing; this kind only gives it its name.
class ModelMoveBlank : public ModelMove {
public:
    using ModelMove::ModelMove;
};
