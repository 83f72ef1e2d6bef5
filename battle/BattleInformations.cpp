// A battle's setup record and the choice of its titles.
#include "battle/BattleInformations.hpp"

#include "rules/DefaultStrings.hpp"

BattleInformations::BattleInformations(Stadium* stadium, int mode, int round)
    : mode(mode), round(round), stadium(stadium) {
    if (mode == MODE_ROUND) {
        title = DefaultStrings::BATTLE_INFO_JOURNEY_BATTLE;
        const std::string* importance[] = {
            &DefaultStrings::BATTLE_INFO_BATTLE_IMP_1, &DefaultStrings::BATTLE_INFO_BATTLE_IMP_2,
            &DefaultStrings::BATTLE_INFO_BATTLE_IMP_3, &DefaultStrings::BATTLE_INFO_BATTLE_IMP_4,
            &DefaultStrings::BATTLE_INFO_BATTLE_IMP_5, &DefaultStrings::BATTLE_INFO_BATTLE_IMP_6,
            &DefaultStrings::BATTLE_INFO_BATTLE_IMP_7, &DefaultStrings::BATTLE_INFO_BATTLE_IMP_8,
            &DefaultStrings::BATTLE_INFO_BATTLE_IMP_9};
        if (round >= 1 && round <= 9)
            subtitle = *importance[round - 1];
        else
            subtitle = DefaultStrings::BATTLE_INFO_TOURNAMENT_BATTLE;
        // The last round is fought behind closed doors.
        quiet = round == 9 ? 1 : 0;
    } else if (mode == MODE_SECRET) {
        title = DefaultStrings::BATTLE_INFO_SECRET_BATTLE;
        subtitle = DefaultStrings::BATTLE_INFO_SECRET_SUBBATTLE;
        quiet = 1;
    } else {
        title = DefaultStrings::BATTLE_INFO_SIMPLE_BATTLE;
        subtitle = DefaultStrings::BATTLE_INFO_FRIENDLY_BATTLE;
        quiet = 0;
    }
}

BattleInformations* BattleInformations::clone() { return new BattleInformations(stadium, mode, round); }

const std::string& BattleInformations::getName() { return title; }

const std::string& BattleInformations::getSecondText() { return subtitle; }

int BattleInformations::getRound() { return round; }

int BattleInformations::getMode() { return mode; }

void BattleInformations::setName(const std::string& text) { title = text; }

void BattleInformations::setSecondText(const std::string& text) { subtitle = text; }

bool BattleInformations::isQuiet() { return quiet > 0; }
