// The common face of everything the particle engine sorts and draws: particles and creature figures.
#include "presentation/QX_Drawable.hpp"

#include "presentation/ParticleEngine.hpp"

QX_Drawable::~QX_Drawable() {
    if (engine) engine->remove(this);
}
