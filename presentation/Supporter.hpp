// One member of the crowd in the stands: its seat, its side, its picture and its jumping.
#pragma once

#include "battle/BattlePresentation.hpp"

namespace sf {
class Sprite;
}
class GameWindow;

class Supporter : public BattleSupporter {
public:
    // Side 0 or 1 cheers for that side, 2 for both. The window may be null (no picture).
    Supporter(int kind, int x, int y, int side, GameWindow* window);
    // Deletes the sprite.
    virtual ~Supporter();

    virtual void updateJump(int supportSide0, int supportSide1) override;
    virtual int getX();
    // Where the picture stands: the seat raised by the jump.
    virtual int getScreenY();
    virtual int getFacing();
    virtual int getKind();
    // Turns the supporter: a new picture for the facing and a new tint.
    virtual void setFacing(int facing, GameWindow* window);
    virtual sf::Sprite* getSprite();

    // Read by the tests.
    virtual int getSide() const { return side; }
    virtual int getY() const { return y; }
    virtual int getHeight() const { return height; }
    virtual int getSpeed() const { return speed; }
    virtual int getThreshold() const { return threshold; }
    virtual int getCooldown() const { return cooldown; }
    virtual int getCountdown() const { return countdown; }
    virtual int getTint() const { return tint; }
    virtual bool isJumping() const { return jumping != 0; }

    // The facing of a seat: the stands look towards the field.
    static int facingForSeat(int x, int y);

private:
    void makeSprite(GameWindow* window);

    int kind;
    int side;
    int facing = 0;
    int tint = 0;
    int x;
    int y;
    int height = 0;
    int speed = 0;
    int threshold = 0;
    int cooldown = 0;
    int countdown = 0;
    int jumping = 0;
    sf::Sprite* sprite = nullptr;
};
