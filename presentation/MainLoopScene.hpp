// What the main loop knows of the screen it runs: one frame at a time, for as long as it is alive.
#pragma once

// The screens implement it (their base, Scene); the loop itself never knows which screen it runs.
class MainLoopScene {
public:
    virtual ~MainLoopScene() = default;
    // One frame: input, update and drawing of the screen (or of whatever it has put on top of itself).
    virtual void run() = 0;
    // False once the screen is over; the loop then closes the window.
    virtual bool isAlive() = 0;
};
