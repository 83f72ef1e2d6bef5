// One battle of a journey: the opponent and the record of the battle to fight against it.
#include "scenes/JourneyEncounter.hpp"

#include "battle/BattleInformations.hpp"
#include "players/ZelkBot.hpp"

JourneyEncounter::JourneyEncounter(ZelkBot* opponentIn, BattleInformations* battleInformationsIn)
    : opponent(opponentIn), battleInformations(battleInformationsIn) {
    if (battleInformations != nullptr) name = battleInformations->getSecondText();
}

JourneyEncounter::~JourneyEncounter() {
    if (opponent != nullptr && opponent->isTransient()) delete opponent;
}

BattleInformations* JourneyEncounter::takeBattleInformations() {
    BattleInformations* handed = battleInformations;
    battleInformations = nullptr;
    return handed;
}
