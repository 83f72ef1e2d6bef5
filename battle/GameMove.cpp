// The record of one use of a move.
#include "battle/GameMove.hpp"

#include <climits>

#include "rules/Platform.hpp"

namespace {
// Totals saturate rather than wrap: a runaway script must not turn a damage total negative.
int saturatingAdd(int total, int amount) { return clampToInt(static_cast<long long>(total) + amount); }
} // namespace

int GameMove::getFirstFlag() { return firstFlag; }

int GameMove::getSecondFlag() { return secondFlag; }

int GameMove::getDamageTotal() { return damageTotal; }

int GameMove::getThirdTotal() { return thirdTotal; }

int GameMove::getPercentTotal() { return percentTotal; }

int GameMove::getDamageDealt() { return damageDealt; }

int GameMove::getHitsDone() { return hitsDone; }

int GameMove::getHitsWanted() { return hitsWanted; }

bool GameMove::countHit() {
    if (hitsDone < INT_MAX) ++hitsDone;
    return hitsWanted <= hitsDone;
}

void GameMove::markDamageDealt() { damageDealt = 1; }

void GameMove::setHitsWanted(int hits) { hitsWanted = hits; }

void GameMove::setFirstFlag() { firstFlag = 1; }

void GameMove::setSecondFlag() { secondFlag = 1; }

void GameMove::addDamage(int amount) { damageTotal = saturatingAdd(damageTotal, amount); }

void GameMove::addOtherTotal(int amount) { thirdTotal = saturatingAdd(thirdTotal, amount); }

void GameMove::addPercentDamage(int percent) { percentTotal = saturatingAdd(percentTotal, percent); }
