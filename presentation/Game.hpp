// The program's spine: owns the window and the keyboard, runs the root scene at 30 frames per second.
#pragma once

#include <SFML/Window/Event.hpp>

#include "presentation/FramePacer.hpp"

class GameWindow;
class GameControler;
class MainLoopScene;

// Fills the process-wide bundle with what exists before anything else: the particle engine. Safe to call
// more than once (later calls change nothing).
void initGameBundle();

class Game {
public:
    Game();
    // Deletes the window and the controler (never the root scene).
    virtual ~Game();
    // Runs frames with first as the root scene until the window is closed. The caller builds the first
    // scene, ready to run; it is never deleted here.
    virtual void run(MainLoopScene* first);

    // One frame of the loop: events, keyboard, F4, the scene stack, then the wait for the frame's end.
    virtual void runFrame();

    GameWindow* window = nullptr;
    GameControler* controler = nullptr;
    MainLoopScene* rootScene = nullptr;

private:
    void pollEvents(sf::Event& last);
    FramePacer pacer;
};
