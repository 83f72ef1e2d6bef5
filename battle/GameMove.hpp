// The record of one use of a move: hits wanted and done, damage dealt and its totals.
#pragma once

class GameMove {
public:
    // One hit wanted, everything else 0.
    GameMove() = default;
    virtual ~GameMove() = default;

    virtual int getFirstFlag();
    virtual int getSecondFlag();
    virtual int getDamageTotal();
    virtual int getThirdTotal();
    virtual int getPercentTotal();
    virtual int getDamageDealt();
    virtual int getHitsDone();
    virtual int getHitsWanted();
    // Counts one hit; true once the hits done reach the hits wanted.
    virtual bool countHit();
    virtual void markDamageDealt();
    virtual void setHitsWanted(int hits);
    virtual void setFirstFlag();
    virtual void setSecondFlag();
    virtual void addDamage(int amount);
    virtual void addOtherTotal(int amount);
    virtual void addPercentDamage(int percent);

private:
    int firstFlag = 0;
    int secondFlag = 0;
    int damageTotal = 0;
    int damageDealt = 0;
    int hitsWanted = 1;
    int hitsDone = 0;
    int thirdTotal = 0;
    int percentTotal = 0;
};
