// Battle animations: when the figure moves and which particles each kind of battle event sends.
#include "presentation/AnimationHandler.hpp"

AnimationHandler::AnimationHandler(int kindIn, int) : kind(kindIn) {}

AnimationHandler::AnimationHandler(int kindIn, int facingIn, Model* targetIn)
    : target(targetIn), kind(kindIn), facing(facingIn) {}

AnimationHandler::~AnimationHandler() {}

void AnimationHandler::setSources(ZelkinMove* move, Zelkin* creatureIn, VariableTable* record) {
    moveSource = move;
    creature = creatureIn;
    hitRecord = record;
}

void AnimationHandler::setCreature(Zelkin* creatureIn) { creature = creatureIn; }
void AnimationHandler::setBuffData(ZelkinBuffData* definition) { setBuffSource(definition); }
void AnimationHandler::setBuffSource(ZelkinBuffData* definition) { buffSource = definition; }
void AnimationHandler::prepare() {}
void AnimationHandler::step() { running = 0; }
bool AnimationHandler::isAlive() { return running != 0; }
void AnimationHandler::emitParticles(Animation*, int) {}
void AnimationHandler::gatherFrom(Animation*) {}
void AnimationHandler::playOnTarget(int) {}

BattleAnimation* newAnimationHandler(int kind, int facing, BattleFigure*) {
    return new AnimationHandler(kind, facing, nullptr);
}
