// A crowd member: seat, facing, tint and the jumps that follow its side's excitement.
#include "presentation/Supporter.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <algorithm>

#include "presentation/GameWindow.hpp"
#include "rules/PseudoRNG.hpp"

namespace {
// Colours multiplied into the picture by tint; the other tints keep the picture as drawn.
bool tintColour(int tint, sf::Color& colour) {
    static const sf::Color tints[] = {sf::Color(82, 255, 82),  sf::Color(255, 82, 82),
                                      sf::Color(82, 82, 255),  sf::Color(255, 255, 82),
                                      sf::Color(82, 255, 255), sf::Color(255, 82, 255)};
    if (tint < 1 || tint > 6) return false;
    colour = tints[tint - 1];
    return true;
}
} // namespace

Supporter::Supporter(int kindIn, int xIn, int yIn, int sideIn, GameWindow* window)
    : kind(kindIn), side(sideIn), x(xIn), y(yIn) {
    PseudoRNG rng;
    facing = facingForSeat(x, y);
    cooldown = rng.random(30);
    threshold = rng.random(60);
    tint = rng.random(10);
    makeSprite(window);
}

Supporter::~Supporter() { delete sprite; }

int Supporter::facingForSeat(int seatX, int seatY) {
    // The four stands, cut along the canvas diagonals: right stand, left stand, then top or bottom.
    if (seatX + seatY + 35 >= 821 && seatX - seatY + 500 > 820) return 2;
    if (seatY - seatX + 35 >= 1 && 500 - seatX - seatY > 0) return 1;
    return seatY < 241 ? 0 : 3;
}

void Supporter::makeSprite(GameWindow* window) {
    delete sprite;
    sprite = window != nullptr ? window->newSupporterSprite(kind, facing) : nullptr;
    sf::Color colour;
    if (sprite != nullptr && tintColour(tint, colour)) sprite->setColor(colour);
}

void Supporter::setFacing(int facingIn, GameWindow* window) {
    facing = facingIn;
    PseudoRNG rng;
    tint = rng.random(10);
    makeSprite(window);
}

void Supporter::updateJump(int supportSide0, int supportSide1) {
    int excitement = side == 0 ? supportSide0 : side == 1 ? supportSide1 : supportSide0 + supportSide1;
    if (jumping == 0 && countdown == 0 && excitement > threshold) {
        countdown = cooldown;
    } else {
        bool started = false;
        if (countdown > 0) {
            --countdown;
            if (countdown == 0) {
                jumping = 1;
                started = true;
            }
        }
        if (!started && jumping != 0) {
            if (excitement < threshold)
                jumping = 0;
            else if (height == 0)
                speed = std::min((excitement - threshold) / 18 + 2, 6);
        }
    }
    height = std::max(height + speed, 0);
    if (speed >= -9) --speed;
}

int Supporter::getX() { return x; }
int Supporter::getScreenY() { return y - height; }
int Supporter::getFacing() { return facing; }
int Supporter::getKind() { return kind; }
sf::Sprite* Supporter::getSprite() { return sprite; }
