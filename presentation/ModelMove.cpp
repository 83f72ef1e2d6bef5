// One frame-counted animation of a creature figure; the base kind plays nothing and never stops.
#include "presentation/ModelMove.hpp"

#include <cmath>

#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"

namespace {
// Sizes come from data; keeping them within a generous range keeps every formula below in int range.
const int SIZE_LIMIT = 100000;
// About five weeks of frames.
const int FRAME_LIMIT = 100000000;
} // namespace

ModelMove::ModelMove(int pivotXIn, int pivotYIn, int facingIn)
    : pivotX(pivotXIn), pivotY(pivotYIn), baseY(pivotYIn), facing(facingIn) {
    randomValue = PseudoRNG().random(12);
    reset();
    colour = sf::Color(255, 255, 255, 255);
}

ModelMove::~ModelMove() {}

void ModelMove::setupPhases() {}

void ModelMove::step() {}

void ModelMove::reset() {
    xOffset = 0;
    yOffset = 0;
    height = 0;
    frame = 0;
    phaseState = 2;
    direction = 1;
    transform = sf::Transform::Identity;
    running = 1;
    setupPhases();
}

void ModelMove::setBaseY(int y) { baseY = y; }

void ModelMove::setPersonality(int personalityIn) {
    personality = personalityIn;
    reset();
}

void ModelMove::setSize(int percent) {
    if (percent > SIZE_LIMIT) percent = SIZE_LIMIT;
    if (percent < -SIZE_LIMIT) percent = -SIZE_LIMIT;
    size = percent;
}

const sf::Transform& ModelMove::getTransform() const { return transform; }
int ModelMove::getXOffset() const { return xOffset; }
int ModelMove::getYOffset() const { return yOffset; }
int ModelMove::getHeight() const { return height; }
bool ModelMove::isRunning() const { return running != 0; }
sf::Color ModelMove::getColor() const { return colour; }

void ModelMove::applyFacing(bool negateAmplitude) {
    if (facing != 0) return;
    direction = -1;
    if (negateAmplitude) phases[5] = -phases[5];
}

void ModelMove::turnBy(int degrees, int cx, int cy) {
    transform = sf::Transform::Identity;
    transform.rotate(static_cast<float>(degrees), static_cast<float>(cx), static_cast<float>(cy));
}

void ModelMove::squashBy(int k) {
    transform = sf::Transform::Identity;
    transform.scale(1.f, (24 - k) / 24.f, static_cast<float>(pivotX + xOffset),
                    static_cast<float>(baseY - height));
}

void ModelMove::setAlpha(int alpha) {
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    colour = sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha));
}

void ModelMove::setFallAmplitude() {
    if (personality == 1)
        phases[5] = 30;
    else if (personality == 2 || personality == 3)
        ;
    else if (personality == 4)
        phases[5] = 20;
    else if (size >= 80 && personality != 6)
        phases[5] = -10;
    else
        phases[5] = 10;
    applyFacing();
}

void ModelMove::collapse(int k) {
    if (personality == 1) {
        if (k >= 7) k = 6;
    } else if (k > 9) {
        k = 9;
    }
    if (k < 1) return;
    int a = amplitude();
    if (a == 0) {
        squashBy(k);
        return;
    }
    if (personality == 9) {
        setAlpha(255 - k * 127 / 9);
        height = k;
    }
    turnBy(a * k, pivotX + xOffset, pivotY - height);
}

void ModelMove::driftUp(int newHeight) {
    setAlpha(128);
    height = newHeight;
    turnBy(amplitude() * 9, pivotX + xOffset, pivotY - height);
}

int ModelMove::lift(int n) const {
    if (size >= 125) return 0;
    return (125 - size) * n / 75;
}

int ModelMove::nextFrame() {
    if (frame < FRAME_LIMIT) ++frame;
    return frame;
}

int ModelMove::sinTimes(double degrees, double factor) {
    return saturatingInt(std::sin(degrees * 3.14159 / 180.0) * factor);
}
