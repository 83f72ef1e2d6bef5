// Word-to-number conversion of the battle events, done once when a data file is read.
#include "rules/BattleEvents.hpp"

#include "rules/NameIndex.hpp"

int battleEventFromWord(const std::string& word) {
    // Every trigger of every data file comes through here: one hashed look-up instead of a comparison
    // with each word. A word written twice in the table keeps its first event.
    static const NameIndex<const BattleEventWord> events = [] {
        NameIndex<const BattleEventWord> table;
        for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
            table.add(row.word, &row);
        return table;
    }();
    const BattleEventWord* found = events.find(word);
    return found ? found->event : DEFAULT_BATTLE_EVENT;
}

std::string battleEventWord(int event) {
    for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
        if (row.event == event) return row.word;
    return std::string();
}
