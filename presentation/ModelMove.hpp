// One frame-counted animation of a creature figure; the base kind plays nothing and never stops.
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Transform.hpp>

class ModelMove {
public:
    // Draws the move's random value, then starts it.
    ModelMove(int pivotX, int pivotY, int facing);
    virtual ~ModelMove();

    // Fills the phase table for the current personality and size; entries it leaves alone keep their values.
    virtual void setupPhases();
    // One frame of the move.
    virtual void step();
    // Back to frame 0, running, then setupPhases. The phase table and the colour are kept.
    virtual void reset();
    virtual void setBaseY(int y);
    // Restarts the move with the new personality.
    virtual void setPersonality(int personality);
    // Takes effect at the next restart.
    virtual void setSize(int percent);
    virtual const sf::Transform& getTransform() const;
    virtual int getXOffset() const;
    virtual int getYOffset() const;
    virtual int getHeight() const;
    virtual bool isRunning() const;
    virtual sf::Color getColor() const;

    static const int PHASE_COUNT = 20;
    int getPhase(int i) const { return (i >= 0 && i < PHASE_COUNT) ? phases[i] : 0; }
    int getFrame() const { return frame; }
    int getDirection() const { return direction; }
    int getRandomValue() const { return randomValue; }

protected:
    // m1..m5 are entries 0..4; entry 5 is the turning amplitude in degrees.
    int m(int n) const { return phases[n - 1]; }
    int amplitude() const { return phases[5]; }
    // Facing 0 looks the other way: direction -1 and the amplitude turned over.
    void applyFacing(bool negateAmplitude = true);
    // transform = identity turned by degrees about (cx, cy).
    void turnBy(int degrees, int cx, int cy);
    // transform = identity squashed to (24 - k) / 24 of the height, standing on the feet line.
    void squashBy(int k);
    void setAlpha(int alpha);
    // The turning amplitude of a knock-out fall by personality and size (moles and snakes keep theirs),
    // faced.
    void setFallAmplitude();
    // One frame k of a knock-out fall: a squash, or a turn (a ghost fading and rising as it turns).
    void collapse(int k);
    // After the fall, a ghost drifts up half seen, at the given height, turned all the way.
    void driftUp(int newHeight);
    // How far a creature of this size rises for a nominal n; large creatures (125 % and up) do not.
    int lift(int n) const;
    // Degrees, truncated product as the figures use it.
    static int sinTimes(double degrees, double factor);
    static bool odd(int n) { return n % 2 != 0; }
    // Integer division where a phase length of 0 (only possible with odd data) gives 0 instead of a crash.
    static int over(int a, int b) { return b == 0 ? 0 : a / b; }
    // Counts one more frame; a move that never ends (the ghost's rise) stops counting long before int
    // overflow.
    int nextFrame();

    int randomValue;
    int phaseState = 2;
    int hopSpeed = 0;
    int frame = 0;
    int running = 1;
    int xOffset = 0;
    int yOffset = 0;
    int height = 0;
    int pivotX;
    int pivotY;
    int baseY;
    int facing;
    int size = 100;
    int personality = 0;
    int direction = 1;
    int phases[PHASE_COUNT] = {};
    sf::Transform transform;
    sf::Color colour = sf::Color(255, 255, 255, 255);
};
