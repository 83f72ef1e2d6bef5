// One battle of a journey: the opponent and the record of the battle to fight against it.
#pragma once

#include <string>

class ZelkBot;
class BattleInformations;

class JourneyEncounter {
public:
    // Keeps both; the name is the battle's subtitle as it reads now ("Round 1", ..., "???").
    JourneyEncounter(ZelkBot* opponent, BattleInformations* battleInformations);
    // Deletes the opponent when it is transient (made for this journey or a copy of a roster bot). The
    // battle record is not deleted here: it belongs to the battle screen once the encounter is fought.
    virtual ~JourneyEncounter();
    JourneyEncounter(const JourneyEncounter&) = delete;
    JourneyEncounter& operator=(const JourneyEncounter&) = delete;

    // Hands the battle record over to whoever fights the encounter and forgets it here, so that nothing
    // reads it after the battle screen (through its field) has deleted it. Null once handed over.
    BattleInformations* takeBattleInformations();

    ZelkBot* opponent = nullptr;
    BattleInformations* battleInformations = nullptr;
    std::string name;
};
