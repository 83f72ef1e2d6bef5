// The one depth-sorted list of the battle field's drawables: owns its particles, only borrows figures.
#pragma once

#include <list>

#include "presentation/QX_Drawable.hpp"

namespace sf {
class RenderTarget;
}

class ParticleEngine {
public:
    ParticleEngine() = default;
    // Deletes the particles still listed; figures are only let go.
    virtual ~ParticleEngine();
    ParticleEngine(const ParticleEngine&) = delete;
    ParticleEngine& operator=(const ParticleEngine&) = delete;

    // Steps every drawable, deletes the dead particles, then sorts the list into draw order.
    virtual void update();
    // Draws on the window of the game bundle (nothing without one).
    virtual void draw();
    // Unlinks everything and deletes the particles; figures stay their owners'. Ids start again at 1.
    virtual void clear();
    // Gives the drawable the next id and lists it; a particle then belongs to the engine.
    // Null, or a drawable already listed here, is ignored.
    virtual void add(QX_Drawable* drawable);
    // Unlinks the drawable without deleting it (figures whose owner is about to delete them).
    virtual void remove(QX_Drawable* drawable);

    // All shadows first, then every drawable, in list order.
    void drawOn(sf::RenderTarget* target);
    const std::list<QX_Drawable*>& getDrawables() const { return drawables; }
    int count() const { return static_cast<int>(drawables.size()); }
    bool contains(const QX_Drawable* drawable) const;

    // Lower depth first, then lower layer, then lower id.
    static bool drawOrderLess(const QX_Drawable* a, const QX_Drawable* b);

private:
    int counter = 0;
    std::list<QX_Drawable*> drawables;
};
