// The process-wide record of the objects the whole run shares; it owns none of them.
#include "rules/GameBundle.hpp"

#include "rules/WindowServices.hpp"

GameBundle* gameBundle = new GameBundle();

WindowServices* installedWindow() { return gameBundle ? gameBundle->window : nullptr; }

ParticleDesc* lookupParticleDesc(const std::string& name) {
    WindowServices* window = installedWindow();
    return window ? window->findParticleDesc(name) : nullptr;
}

void loadCreatureImageIfWindow(const std::string& sheet, const std::string& formSheet) {
    if (WindowServices* window = installedWindow()) window->loadCreatureImage(sheet, formSheet);
}
