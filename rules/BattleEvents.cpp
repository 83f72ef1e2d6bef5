// Word-to-number conversion of the battle events, done once when a data file is read.
#include "rules/BattleEvents.hpp"

int battleEventFromWord(const std::string& word) {
    for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
        if (word == row.word) return row.event;
    return DEFAULT_BATTLE_EVENT;
}

std::string battleEventWord(int event) {
    for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
        if (row.event == event) return row.word;
    return std::string();
}
