// One battle animation being played: a move used, a hit, a ball thrown or called back, a type flourish.
#pragma once

#include <vector>

#include "battle/BattlePresentation.hpp"

class Animation;
class BattleFigure;
class Model;
class VariableTable;
class Zelkin;
class ZelkinBuffData;
class ZelkinMove;

class AnimationHandler : public BattleAnimation {
public:
    // Kinds the battle creates.
    static const int KIND_MOVE = 0;
    static const int KIND_HIT = 1;
    static const int KIND_BALL_LAUNCH = 2;
    static const int KIND_BALL_WITHDRAW = 3;
    static const int KIND_TYPE_A = 4;
    static const int KIND_TYPE_B = 5;
    static const int KIND_SELF = 6;

    // An animation on no particular figure; the second number is kept for callers that pass one.
    AnimationHandler(int kind, int unused);
    // An animation placed on that figure (may be null), its particles facing that side.
    AnimationHandler(int kind, int facing, Model* target);
    // Frees the list of gathered records, never the records themselves.
    virtual ~AnimationHandler();

    // The hit record is only read for a hit (kind 1): the engine hands its variables to every move
    // animation, and the declaration of a move must not be sized by the previous hit's damage.
    virtual void setSources(ZelkinMove* move, Zelkin* creature, VariableTable* hitRecord) override;
    virtual void setCreature(Zelkin* creature) override;
    virtual void setBuffData(ZelkinBuffData* definition) override;
    virtual void setBuffSource(ZelkinBuffData* definition);
    virtual void prepare();
    virtual void step() override;
    virtual bool isAlive() override;
    virtual void emitParticles(Animation* record, int strength);

    // Read by the tests and the debug panel.
    virtual int getKind() const { return kind; }
    virtual int getFrame() const { return frame; }
    virtual int getLength() const { return length; }
    virtual int getForce() const { return force; }
    virtual int getBloodForce() const { return bloodForce; }
    virtual int getMatchCategory() const { return matchCategory; }
    virtual int getFacing() const { return facing; }
    virtual Model* getTarget() const { return target; }
    virtual const std::vector<Animation*>& getRecords() const { return records; }

private:
    void gatherFrom(Animation* record);
    void playOnTarget(int animationKind);

    ZelkinMove* moveSource = nullptr;
    ZelkinBuffData* buffSource = nullptr;
    Zelkin* creature = nullptr;
    Model* target = nullptr;
    VariableTable* hitRecord = nullptr;
    unsigned char running = 1;
    int matchCategory = 0;
    int kind = 0;
    int frame = 0;
    int force = 10;
    int bloodForce = 0;
    int facing = 0;
    int length = 50;
    std::vector<Animation*> records;
};

// The battle's factory entry: the figure must be one of our Models (anything else plays on no figure).
BattleAnimation* newAnimationHandler(int kind, int facing, BattleFigure* figure);
