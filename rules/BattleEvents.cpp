// Word-to-number conversion of the battle events, done once when a data file is read.
#include "rules/BattleEvents.hpp"

#include <unordered_map>

int battleEventFromWord(const std::string& word) {
    // Every trigger of every data file comes through here: one hashed look-up instead of a comparison
    // with each word. A word written twice in the table keeps its first event.
    static const std::unordered_map<std::string, int> events = [] {
        std::unordered_map<std::string, int> table;
        for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
            table.emplace(row.word, row.event);
        return table;
    }();
    auto found = events.find(word);
    return found == events.end() ? DEFAULT_BATTLE_EVENT : found->second;
}

std::string battleEventWord(int event) {
    for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
        if (row.event == event) return row.word;
    return std::string();
}
