// The whole run of a journey, built at once: eight encounters in order and the hidden last one.
#include "scenes/JourneyData.hpp"

#include <algorithm>
#include <vector>

#include "battle/BattleInformations.hpp"
#include "players/BotList.hpp"
#include "players/ZelkBot.hpp"
#include "players/Zelkbot_Random.hpp"
#include "rules/GameParser.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "rules/Zelkin.hpp"
#include "scenes/JourneyEncounter.hpp"

namespace {
constexpr int ENCOUNTERS = 9;
constexpr int MAX_LEVEL = 9;
constexpr int AI_SIMULATING = 1;
constexpr int MAX_ROSTER_DRAWS = 1000;
} // namespace

JourneyData::JourneyData(TeamBuilder* teamBuilderIn, BotList* botListIn)
    : teamBuilder(teamBuilderIn), botList(botListIn) {}

JourneyData::~JourneyData() {
    pending.clear();
    fought.clear();
}

int JourneyData::opponentLevel(int index, int difficulty) {
    return std::min(index / 2 + difficulty + 1, MAX_LEVEL);
}

void JourneyData::generate(int difficulty) {
    if (teamBuilder == nullptr) return;
    GameParser* parser = teamBuilder->getParser();
    int rosterSize = botList != nullptr ? botList->count() : 0;
    int randomCount = rosterSize >= 4 ? 5 : ENCOUNTERS - rosterSize;

    for (int i = 0; i < randomCount; ++i) {
        Zelkbot_Random* opponent = new Zelkbot_Random(parser);
        Trainer* trainer =
            parser->getTrainers() != nullptr ? parser->getTrainers()->pickRandomTrainer(false) : nullptr;
        if (trainer != nullptr)
            opponent->setTrainerInfo(trainer->getId(), trainer->getName(), trainer->getCredo());
        for (int k = 0; k < ZelkBot::TEAM_SIZE; ++k)
            opponent->addMember(teamBuilder->createRandomCreature());
        opponent->setAI(AI_SIMULATING, opponentLevel(i, difficulty));
        BattleInformations* info = new BattleInformations(parser->randomStadiumWithoutValue(),
                                                          BattleInformations::MODE_ROUND, i + 1);
        pending.push_back(new JourneyEncounter(opponent, info));
        // Six different species per opponent, but the next opponent may meet them again.
        teamBuilder->clearUsed();
    }

    PseudoRNG rng;
    std::vector<int> taken;
    for (int n = randomCount; n < ENCOUNTERS; ++n) {
        // No roster bot meets the player twice in one journey; at most four are drawn, never more than
        // the roster holds.
        auto isTaken = [&taken](int index) {
            return std::find(taken.begin(), taken.end(), index) != taken.end();
        };
        int r = rng.random(rosterSize);
        for (int draw = 0; draw < MAX_ROSTER_DRAWS && isTaken(r); ++draw)
            r = rng.random(rosterSize);
        // Chance has every opportunity above; past it the first bot not yet met is taken.
        for (int i = 0; i < rosterSize && isTaken(r); ++i)
            r = i;
        taken.push_back(r);

        ZelkBot* original = botList->get(r);
        // The roster's own bot stays untouched: the journey fights a copy, which its encounter deletes.
        ZelkBot* opponent = original != nullptr ? original->clone() : new Zelkbot_Random(parser);
        for (int k = 0; k < ZelkBot::TEAM_SIZE; ++k) {
            Zelkin* member = opponent->getMember(k);
            if (member != nullptr && parser->isCreatureAllowed(member))
                teamBuilder->markUsed(member->getNumber());
        }
        for (int k = 0; k < ZelkBot::TEAM_SIZE; ++k) {
            Zelkin* member = opponent->getMember(k);
            if (member == nullptr || parser->isCreatureAllowed(member)) continue;
            Zelkin* replacement =
                teamBuilder->createRandomCreatureOfTypes(member->getType(0), member->getType(1));
            // With nothing allowed to draw from, the refused member stays rather than leaving a hole in a
            // team that must hold six.
            if (replacement != nullptr) opponent->setMember(replacement, k);
        }
        teamBuilder->clearUsed();

        if (n < ENCOUNTERS - 1) {
            BattleInformations* info = new BattleInformations(parser->randomStadiumWithoutValue(),
                                                              BattleInformations::MODE_ROUND, n + 1);
            pending.push_back(new JourneyEncounter(opponent, info));
        } else {
            BattleInformations* info =
                new BattleInformations(parser->randomStadiumWithValue(), BattleInformations::MODE_SECRET, 0);
            secret = new JourneyEncounter(opponent, info);
        }
    }
}

bool JourneyData::isEmpty() { return pending.empty(); }

JourneyEncounter* JourneyData::current() { return pending.empty() ? secret : pending.front(); }

JourneyEncounter* JourneyData::advance() {
    if (!pending.empty()) {
        fought.push_back(pending.front());
        pending.pop_front();
    }
    return current();
}

const std::list<JourneyEncounter*>& JourneyData::getFought() { return fought; }

void JourneyData::deleteEncounters() {
    std::vector<JourneyEncounter*> all(pending.begin(), pending.end());
    all.insert(all.end(), fought.begin(), fought.end());
    if (secret != nullptr) all.push_back(secret);
    for (JourneyEncounter* encounter : all) {
        delete encounter->takeBattleInformations();
        delete encounter;
    }
    pending.clear();
    fought.clear();
    secret = nullptr;
}
