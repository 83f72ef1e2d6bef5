// The program's spine: owns the window and the keyboard, runs the root scene at 30 frames per second.
#include "presentation/Game.hpp"

#include <cstring>

#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "presentation/MainLoopScene.hpp"
#include "presentation/ParticleEngine.hpp"
#include "rules/GameBundle.hpp"

void initGameBundle() {
    if (gameBundle == nullptr) gameBundle = new GameBundle();
    if (gameBundle->particleEngine == nullptr) gameBundle->particleEngine = new ParticleEngine();
}

Game::Game() {}

Game::~Game() {
    delete window;
    delete controler;
}

void Game::run(MainLoopScene* first) {
    rootScene = first;
    while (window->getRenderWindow()->isOpen())
        runFrame();
}

void Game::pollEvents(sf::Event& last) {
    sf::RenderWindow* renderWindow = window->getRenderWindow();
    while (renderWindow->pollEvent(last)) {
        if (last.type == sf::Event::Closed || controler->isHeld(GameControler::KEY_ESCAPE) ||
            (rootScene != nullptr && !rootScene->isAlive()))
            renderWindow->close();
        if (last.type == sf::Event::LostFocus) controler->setEnabled(false);
        if (last.type == sf::Event::GainedFocus) controler->setEnabled(true);
    }
}

void Game::runFrame() {
    sf::Clock clock;
    // All zero: a frame without any event hands the controler a plain Closed-typed event with no text.
    sf::Event last;
    std::memset(&last, 0, sizeof(last));
    pollEvents(last);
    // Checked every frame, not only when an event came: a finished root scene closes the window at once.
    if (rootScene != nullptr && !rootScene->isAlive()) window->getRenderWindow()->close();
    controler->update(last);
    if (controler->isPressed(GameControler::KEY_F4)) window->toggleFullscreen();
    if (window->getRenderWindow()->isOpen() && rootScene != nullptr) rootScene->run();
    pacer.waitFrameEnd(clock, pacer.nextFrameLength());
}
