// Helpers of the menu, loading, welcome and options screen tests: scripted keys, a loaded game, frames.
#pragma once

#include <SFML/Graphics.hpp>
#include <chrono>
#include <initializer_list>
#include <set>
#include <string>
#include <thread>

#include "players/BotList.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/GameControler.hpp"
#include "presentation/GameWindow.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/TeamBuilder.hpp"
#include "scenes/Scene.hpp"
#include "tests/screen/ScreenSupport.hpp"

// A controler of its own whose keyboard is a set of keys the test holds down, one frame at a time.
struct KeyScript {
    KeyScript() {
        controler.setKeySource([this](sf::Keyboard::Key key) { return down.count(key) > 0; });
    }
    // One frame of the main loop's keyboard update: these keys down (all others up), no typed text.
    void frame(std::initializer_list<sf::Keyboard::Key> keys = {}) {
        down = std::set<sf::Keyboard::Key>(keys);
        sf::Event none{};
        controler.update(none);
    }
    // One frame with a character typed (no key held).
    void type(char c) {
        down.clear();
        sf::Event text{};
        text.type = sf::Event::TextEntered;
        text.text.unicode = static_cast<unsigned char>(c);
        controler.update(text);
    }
    std::set<sf::Keyboard::Key> down;
    GameControler controler;
};

// Runs one frame of a scene with these keys pressed, then one frame with every key up, so that the
// next press counts again.
inline void tap(KeyScript& keys, Scene& scene, std::initializer_list<sf::Keyboard::Key> pressed) {
    keys.frame(pressed);
    scene.run();
    keys.frame();
    scene.run();
}

// Saves the process-wide bundle and puts it back afterwards, freeing whatever a test's loading left in
// it (the game itself keeps these for the whole run).
struct BundleGuard {
    BundleGuard() : saved(*gameBundle) {}
    ~BundleGuard() {
        if (gameBundle->botList && gameBundle->botList != saved.botList) {
            for (int i = 0; i < gameBundle->botList->count(); ++i)
                delete gameBundle->botList->get(i);
            delete gameBundle->botList;
        }
        if (gameBundle->teamBuilder && gameBundle->teamBuilder != saved.teamBuilder)
            delete gameBundle->teamBuilder;
        if (gameBundle->parser && gameBundle->parser != saved.parser) delete gameBundle->parser;
        *gameBundle = saved;
    }
    GameBundle saved;
};

// Calls a condition every few milliseconds until it holds or about twenty seconds have passed.
template <class Condition> bool waitFor(Condition condition) {
    for (int i = 0; i < 4000; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

// The colour of one canvas pixel of what the window shows now.
inline sf::Color pixelAt(GameWindow& window, int x, int y) {
    sf::RenderWindow* target = window.getRenderWindow();
    sf::Image image = captureFrame(window);
    sf::Vector2i at = target->mapCoordsToPixel(sf::Vector2f(static_cast<float>(x), static_cast<float>(y)));
    return image.getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
}
