// The start-up load of the whole "data/" folder, and the factory of random creatures for bot teams.
#include "rules/TeamBuilder.hpp"

#include <string>
#include <vector>

#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TrainerList.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {

// Redraws of an already handed-out species before the pool is searched in order instead; small pools
// (36 species or fewer, all remembered) would otherwise draw for ever.
const int MAX_SPECIES_DRAWS = 100;
// Same bound for the distinct move slots of a new creature.
const int MAX_MOVE_DRAWS = 100;

} // namespace

TeamBuilder::TeamBuilder() : TeamBuilder(ProgressObserver()) {}

TeamBuilder::TeamBuilder(const ProgressObserver& observer) : observer(observer) {
    dataValid = true;
    progress = 0;
    parser = new GameParser();

    // Types come before anything that names a type, abilities and buffs before the moves and creatures
    // that name them, moves before the creatures that learn them.
    advance(1);
    parser->loadStrings("data/strings.xml");
    advance(2);
    loadFolder("data/types", &GameParser::loadTypes);
    advance(3);
    loadFolder("data/subtypes", &GameParser::loadSubtypes);
    advance(4);
    loadFolder("data/abilities", &GameParser::loadAbilities);
    advance(5);
    loadFolder("data/buffs", &GameParser::loadBuffs);
    advance(6);
    loadFolder("data/moves", &GameParser::loadMoves);
    advance(7);
    loadFolder("data/creatures", &GameParser::loadCreatures);
    advance(8);
    loadFolder("data/stadiums", &GameParser::loadStadiums);
    advance(9);
    parser->loadTrainers("data/trainers.xml");
    advance(9); // again, so that an observer sees the trainers just read
    advance(10);
    loadFolder("data/rulesets", &GameParser::loadRulesets);
    // Without any ruleset file there would be no rules to admit species by and nothing to draw from.
    parser->ensureRuleset();

    clearUsed();
    checkData();
    advance(100);
}

TeamBuilder::~TeamBuilder() = default;

void TeamBuilder::advance(int step) {
    progress = step;
    if (observer) observer(*this, step);
}

void TeamBuilder::loadFolder(const std::string& folder, void (GameParser::*loader)(const std::string&)) {
    for (const std::string& file : listXmlFiles(folder)) {
        (parser->*loader)(file);
        if (observer) observer(*this, progress);
    }
}

GameParser* TeamBuilder::getParser() { return parser; }

void TeamBuilder::checkData() {
    int moves = parser->countMoves();
    if (moves < 10) {
        logError("FATAL ERROR : the game only has " + std::to_string(moves) + " " +
                 DefaultStrings::NAME_MOVE_PLURIAL + ". It needs at least 10 to be playable !");
        dataValid = false;
    }
    int species = parser->countSpecies();
    if (species < 20) {
        logError("FATAL ERROR : the game only has " + std::to_string(species) + " " +
                 DefaultStrings::NAME_CREATURE_PLURIAL + ". It needs at least 20 to be playable !");
        dataValid = false;
    }
    if (parser->countStadiums() < 1) {
        logError("FATAL ERROR : the game doesn't have any " + DefaultStrings::NAME_STADIUM_PLURIAL +
                 ". It needs at least 1 to be playable !");
        dataValid = false;
    }
    if (parser->countTypes() < 1) {
        logError("FATAL ERROR : the game doesn't have any " + DefaultStrings::NAME_TYPE_PLURIAL +
                 ". It needs at least 1 to be playable !");
        dataValid = false;
    }
    TrainerList* trainers = parser->getTrainers();
    if (!trainers || trainers->getCount() < 1) {
        logError("FATAL ERROR : the game doesn't have any " + DefaultStrings::NAME_TRAINER_PLURIAL +
                 ". It needs at least 1 to be playable !");
        dataValid = false;
    }
}

void TeamBuilder::clearUsed() {
    for (int& entry : used)
        entry = 0;
    usedCount = 0;
}

// Every entry counts, empty ones included: a species numbered 0 reads as handed out until the memory is full.
bool TeamBuilder::isUsed(int number) {
    for (int entry : used)
        if (entry == number) return true;
    return false;
}

bool TeamBuilder::isDataValid() { return dataValid; }

int TeamBuilder::getProgress() { return progress; }

void TeamBuilder::markUsed(int number) {
    if (usedCount < USED_MEMORY) used[usedCount++] = number;
}

Zelkin* TeamBuilder::createRandomCreatureOfTypes(ZelkinType* a, ZelkinType* b) {
    ZelkinZelkinary* drawn = nullptr;
    for (int draw = 0; draw < 4; ++draw) {
        drawn = parser->randomAllowedSpeciesOfTypes(a, b);
        if (drawn && !isUsed(drawn->getNumber())) break;
    }
    if (!drawn || isUsed(drawn->getNumber())) return createRandomCreature();
    markUsed(drawn->getNumber());
    return buildCreature(drawn);
}

Zelkin* TeamBuilder::createRandomCreature() {
    if (parser->countAllowedSpecies() == 0) return nullptr;
    ZelkinZelkinary* drawn = nullptr;
    for (int draw = 0; draw < MAX_SPECIES_DRAWS; ++draw) {
        drawn = parser->randomAllowedSpecies();
        if (drawn && !isUsed(drawn->getNumber())) break;
    }
    if (!drawn || isUsed(drawn->getNumber())) {
        // Chance keeps hitting handed-out species: take the first one left, or repeat one when none is.
        for (ZelkinZelkinary* candidate : parser->getAllowedSpecies()) {
            if (!isUsed(candidate->getNumber())) {
                drawn = candidate;
                break;
            }
        }
    }
    if (!drawn) return nullptr;
    markUsed(drawn->getNumber());
    return buildCreature(drawn);
}

Zelkin* TeamBuilder::buildCreature(ZelkinZelkinary* species) {
    Zelkin* creature = new Zelkin(species, 50);

    int available = species->getMoveCount();
    int wanted = available < 4 ? available : 4;
    std::vector<int> picked;
    PseudoRNG rng;
    while (static_cast<int>(picked.size()) < wanted) {
        int index = -1;
        for (int draw = 0; draw < MAX_MOVE_DRAWS && index < 0; ++draw) {
            int candidate = rng.random(available);
            bool taken = false;
            for (int p : picked)
                taken = taken || p == candidate;
            if (!taken) index = candidate;
        }
        for (int candidate = 0; index < 0 && candidate < available; ++candidate) {
            bool taken = false;
            for (int p : picked)
                taken = taken || p == candidate;
            if (!taken) index = candidate;
        }
        picked.push_back(index);
    }
    for (int index : picked)
        creature->addMoveWithDefaultPp(species->getMoveAt(index));

    Ruleset* rules = parser->getCurrentRuleset();
    Game_Options* options = parser->getOptions();
    int baseLevel = rules ? rules->baseLevel : 50;
    int balance = options ? options->getBalance() : 0;
    if (balance != 0 && (!rules || rules->autobalance))
        creature->balanceLevel(balance, baseLevel, rules ? rules->balanceMinPower : 525);
    else
        creature->setLevel(baseLevel);
    return creature;
}
