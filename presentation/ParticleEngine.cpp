// The one depth-sorted list of the battle field's drawables: owns its particles, only borrows figures.
#include "presentation/ParticleEngine.hpp"

#include <algorithm>
#include <climits>

#include "presentation/GameWindow.hpp"
#include "rules/GameBundle.hpp"

ParticleEngine::~ParticleEngine() { clear(); }

void ParticleEngine::update() {
    for (auto it = drawables.begin(); it != drawables.end();) {
        QX_Drawable* drawable = *it;
        drawable->update();
        if (drawable->isAlive()) {
            ++it;
            continue;
        }
        it = drawables.erase(it);
        drawable->engine = nullptr;
        // Only particles are ours to delete; anything else is its owner's.
        if (drawable->isParticle()) delete drawable;
    }
    drawables.sort(drawOrderLess);
}

void ParticleEngine::draw() {
    if (!gameBundle) return;
    GameWindow* window = dynamic_cast<GameWindow*>(gameBundle->window);
    if (!window) return;
    drawOn(window->getRenderWindow());
}

void ParticleEngine::drawOn(sf::RenderTarget* target) {
    if (!target) return;
    for (QX_Drawable* drawable : drawables)
        drawable->drawShadow(target);
    for (QX_Drawable* drawable : drawables)
        drawable->draw(target);
}

void ParticleEngine::clear() {
    std::list<QX_Drawable*> old;
    old.swap(drawables);
    for (QX_Drawable* drawable : old) {
        drawable->engine = nullptr;
        if (drawable->isParticle()) delete drawable;
    }
    counter = 0;
}

void ParticleEngine::add(QX_Drawable* drawable) {
    if (!drawable || drawable->engine == this) return;
    // A drawable lives in one list at a time, so no two engines can both delete or draw it.
    if (drawable->engine) drawable->engine->remove(drawable);
    if (counter < INT_MAX) counter += 1;
    drawable->setId(counter);
    drawables.push_back(drawable);
    drawable->engine = this;
}

void ParticleEngine::remove(QX_Drawable* drawable) {
    if (!drawable) return;
    drawables.remove(drawable);
    if (drawable->engine == this) drawable->engine = nullptr;
}

bool ParticleEngine::contains(const QX_Drawable* drawable) const {
    return std::find(drawables.begin(), drawables.end(), drawable) != drawables.end();
}

bool ParticleEngine::drawOrderLess(const QX_Drawable* a, const QX_Drawable* b) {
    if (a->getY() != b->getY()) return a->getY() < b->getY();
    if (a->getLayer() != b->getLayer()) return a->getLayer() < b->getLayer();
    return a->getId() < b->getId();
}
