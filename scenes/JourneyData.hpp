// The whole run of a journey, built at once: eight encounters in order and the hidden last one.
#pragma once

#include <list>

class JourneyEncounter;
class TeamBuilder;
class BotList;

class JourneyData {
public:
    JourneyData(TeamBuilder* teamBuilder, BotList* botList);
    // Releases both lists, not the encounters (see deleteEncounters).
    virtual ~JourneyData();
    JourneyData(const JourneyData&) = delete;
    JourneyData& operator=(const JourneyData&) = delete;

    // Builds the nine encounters: made opponents first, then copies of roster bots, the last of which
    // is kept apart as the secret encounter. difficulty is 0..9.
    virtual void generate(int difficulty);
    // True when only the secret encounter (or nothing) is left.
    virtual bool isEmpty();
    // The front of the pending encounters, else the secret one (null when there is none).
    virtual JourneyEncounter* current();
    // Moves the front pending encounter to the fought ones; the new current encounter.
    virtual JourneyEncounter* advance();
    virtual const std::list<JourneyEncounter*>& getFought();

    // Deletes every encounter (pending, fought and secret), with the battle records they still hold
    // (those never handed to a battle), and empties the lists. The journey screen calls it when it goes.
    void deleteEncounters();

    const std::list<JourneyEncounter*>& getPending() const { return pending; }
    JourneyEncounter* getSecret() const { return secret; }

    // Made opponents get the simulating decision maker at a level that grows every two rounds.
    static int opponentLevel(int index, int difficulty);

private:
    std::list<JourneyEncounter*> pending;
    std::list<JourneyEncounter*> fought;
    JourneyEncounter* secret = nullptr;
    TeamBuilder* teamBuilder = nullptr;
    BotList* botList = nullptr;
};
