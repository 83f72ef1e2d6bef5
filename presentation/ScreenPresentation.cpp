// What the battle gets from the screen: creature figures, battle animations and the crowd.
#include "presentation/ScreenPresentation.hpp"

#include "presentation/AnimationHandler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/Model.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/SupporterGenerator.hpp"
#include "rules/GameBundle.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {
GameWindow* bundleWindow() { return gameBundle ? dynamic_cast<GameWindow*>(gameBundle->window) : nullptr; }
ParticleEngine* bundleEngine() { return gameBundle ? gameBundle->particleEngine : nullptr; }
} // namespace

ScreenPresentation::~ScreenPresentation() {}

BattleFigure* ScreenPresentation::newFigure(ZelkinZelkinary* species, int facing, int x, int y, int) {
    GameWindow* window = bundleWindow();
    if (window == nullptr || species == nullptr) return nullptr;
    // The battle applies the size itself once the figure exists; the sprite starts at the species' scale.
    sf::Sprite* sprite = window->newCreatureSprite(species, facing);
    return new Model(sprite, species->getConfig(), x, y, facing);
}

BattleAnimation* ScreenPresentation::newAnimation(int kind, int facing, BattleFigure* figure) {
    return new AnimationHandler(kind, facing, dynamic_cast<Model*>(figure));
}

std::vector<BattleSupporter*>* ScreenPresentation::collectSupporters(int popularity0, int popularity1,
                                                                     Stadium* stadium, TrainerList* kinds,
                                                                     WindowServices* window) {
    return newBattleCrowd(popularity0, popularity1, stadium, kinds, window);
}

void ScreenPresentation::showFigure(BattleFigure* figure) {
    Model* model = dynamic_cast<Model*>(figure);
    ParticleEngine* engine = bundleEngine();
    if (model != nullptr && engine != nullptr) engine->add(model);
}

void ScreenPresentation::hideFigure(BattleFigure* figure) {
    Model* model = dynamic_cast<Model*>(figure);
    ParticleEngine* engine = bundleEngine();
    if (model != nullptr && engine != nullptr) engine->remove(model);
}
