// The game database: lookups, counts, random picks, the ruleset admission test and the allowed pool.
#include "rules/GameParser.hpp"

#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TrainerList.hpp"
#include "rules/WindowServices.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryList.hpp"

namespace {

// Positions before the start give the first entry, positions past the end give null; an empty list has
// no first entry to give.
template <typename T> T* atOrFirst(const std::vector<T*>& list, int position) {
    if (list.empty() || position >= static_cast<int>(list.size())) return nullptr;
    if (position < 0) return list.front();
    return list[position];
}

template <typename T> void deleteAll(std::vector<T*>& list) {
    for (T* item : list)
        delete item;
    list.clear();
}

// In 64 bits: six stats near the int limit must not wrap into an admissible total.
long long sumBaseStats(ZelkinZelkinary* species) {
    long long total = 0;
    for (int i = 0; i < 6; ++i)
        total += species->getBaseStat(i);
    return total;
}

Stadium* pickStadiumByUltimate(const std::vector<Stadium*>& stadiums, bool ultimate) {
    int count = 0;
    for (Stadium* stadium : stadiums)
        if ((stadium->isUltimate() != 0) == ultimate) ++count;
    if (count == 0) return nullptr;
    PseudoRNG rng;
    int k = rng.random(count);
    for (Stadium* stadium : stadiums) {
        if ((stadium->isUltimate() != 0) != ultimate) continue;
        if (k == 0) return stadium;
        --k;
    }
    return nullptr;
}

} // namespace

GameParser::GameParser() {
    trainers = new TrainerList();
    options = new Game_Options();
}

GameParser::~GameParser() {
    // The records kept out of the species list (forms with their own sprite) belong to their library,
    // which also frees its layout.
    allowedSpecies.clear();
    deleteAll(species);
    deleteAll(libraries);

    deleteAll(moves);
    deleteAll(stadiums);
    deleteAll(rulesets);
    currentRuleset = nullptr;
    deleteAll(abilities);
    deleteAll(buffs);
    deleteAll(extraDefinitions);
    deleteAll(types);
    deleteAll(subtypes);

    // The list frees its trainers itself.
    delete trainers;
    delete options;
}

ZelkinMove* GameParser::findMove(const std::string& name) { return movesByName.find(name); }

ZelkinZelkinary* GameParser::findSpeciesFormInLibrary(const std::string& code, int number,
                                                      const std::string& form) {
    ZelkinZelkinary* base = findSpeciesInLibrary(code, number);
    if (!base) return nullptr;
    for (int i = 0; i < base->getFormCount(); ++i) {
        ZelkinZelkinary* candidate = base->getFormAt(i);
        if (candidate && candidate->getFormName() == form) return candidate;
    }
    return base;
}

ZelkinZelkinary* GameParser::findSpeciesForm(int number, const std::string& form) {
    ZelkinZelkinary* base = findSpecies(number);
    if (!base) return nullptr;
    for (int i = 0; i < base->getFormCount(); ++i) {
        ZelkinZelkinary* candidate = base->getFormAt(i);
        if (candidate && candidate->getFormName() == form) return candidate;
    }
    return base;
}

ZelkinZelkinary* GameParser::findSpeciesInLibrary(const std::string& code, int number) {
    for (ZelkinZelkinaryList* library : libraries) {
        if (library->getCode() != code) continue;
        if (ZelkinZelkinary* found = library->findByNumber(number)) return found;
    }
    return nullptr;
}

ZelkinZelkinary* GameParser::findSpecies(int number) {
    for (ZelkinZelkinary* record : species)
        if (record->getNumber() == number) return record;
    return nullptr;
}

ZelkinZelkinary* GameParser::getSpeciesAt(int position) { return atOrFirst(species, position); }

ZelkinZelkinary* GameParser::randomAllowedSpecies() {
    if (allowedSpecies.empty()) return nullptr;
    PseudoRNG rng;
    return allowedSpecies[rng.random(static_cast<int>(allowedSpecies.size()))];
}

ZelkinZelkinary* GameParser::randomAllowedSpeciesOfTypes(ZelkinType* a, ZelkinType* b) {
    std::vector<ZelkinZelkinary*> matching;
    for (ZelkinZelkinary* record : allowedSpecies)
        if (record->hasType(a) || (b && record->hasType(b))) matching.push_back(record);
    if (matching.empty()) return nullptr;
    PseudoRNG rng;
    return matching[rng.random(static_cast<int>(matching.size()))];
}

ZelkinType* GameParser::getTypeAt(int position) {
    if (types.empty()) return nullptr;
    if (position < 0 || position >= static_cast<int>(types.size())) return types.front();
    return types[position];
}

ZelkinType* GameParser::findType(const std::string& name) { return typesByName.find(name); }

ZelkinType* GameParser::findSubtype(const std::string& name) { return subtypesByName.find(name); }

ZelkinBuffData* GameParser::findAbility(const std::string& name) { return abilitiesByName.find(name); }

ZelkinBuffData* GameParser::findBuff(const std::string& name) { return buffsByName.find(name); }

ZelkinBuffData* GameParser::findExtraDefinition(const std::string& name) {
    // No loader fills this list, so it keeps no index.
    for (ZelkinBuffData* definition : extraDefinitions)
        if (definition && definition->getName() == name) return definition;
    return nullptr;
}

Ruleset* GameParser::getRulesetAt(int position) {
    if (position < 0 || position >= static_cast<int>(rulesets.size())) return nullptr;
    return rulesets[position];
}

Stadium* GameParser::findStadium(const std::string& name) { return stadiumsByName.find(name); }

Stadium* GameParser::getStadiumAt(int position) { return atOrFirst(stadiums, position); }

Stadium* GameParser::randomStadium() {
    if (stadiums.empty()) return nullptr;
    PseudoRNG rng;
    return stadiums[rng.random(static_cast<int>(stadiums.size()))];
}

Stadium* GameParser::randomStadiumWithValue() {
    Stadium* picked = pickStadiumByUltimate(stadiums, true);
    return picked ? picked : randomStadium();
}

Stadium* GameParser::randomStadiumWithoutValue() {
    Stadium* picked = pickStadiumByUltimate(stadiums, false);
    return picked ? picked : randomStadium();
}

TrainerList* GameParser::getTrainers() { return trainers; }

Game_Options* GameParser::getOptions() { return options; }

const std::vector<ZelkinType*>& GameParser::getTypes() { return types; }

const std::vector<ZelkinType*>& GameParser::getSubtypes() { return subtypes; }

const std::vector<ZelkinMove*>& GameParser::getMoves() { return moves; }

const std::vector<ZelkinZelkinary*>& GameParser::getSpeciesListFor(int) { return species; }

const std::vector<ZelkinZelkinary*>& GameParser::getSpeciesList() { return species; }

std::vector<ZelkinZelkinary*>* GameParser::listSpeciesByTypeAndName(ZelkinType* type,
                                                                    const std::string& text) {
    std::vector<ZelkinZelkinary*>* list = new std::vector<ZelkinZelkinary*>();
    for (ZelkinZelkinary* record : species) {
        if (type && !record->hasType(type)) continue;
        if (!text.empty() && record->getName().find(text) == std::string::npos) continue;
        list->push_back(record);
    }
    return list;
}

std::vector<ZelkinZelkinary*>* GameParser::listSpeciesByTypeIdAndName(int typeId, const std::string& text) {
    std::vector<ZelkinZelkinary*>* list = new std::vector<ZelkinZelkinary*>();
    for (ZelkinZelkinary* record : species) {
        if (typeId != 0 && !record->hasTypeId(typeId)) continue;
        if (!text.empty() && record->getName().find(text) == std::string::npos) continue;
        list->push_back(record);
    }
    return list;
}

bool GameParser::isSpeciesAllowed(ZelkinZelkinary* candidate) {
    if (!candidate) return false;
    // With no ruleset chosen there is nothing to refuse by.
    Ruleset* rules = currentRuleset;
    if (!rules) return true;
    long long total = sumBaseStats(candidate);
    if (total > rules->maxSumStats || total < rules->minSumStats) return false;
    if (!candidate->getFormName().empty() && !rules->allowForms) return false;
    // Each rarity needs its own allowance and those of every rarity below it.
    int rarity = candidate->getRarity();
    if (rarity > 3) return false;
    if (rarity >= 3 && !rules->allowFabulous) return false;
    if (rarity >= 2 && !rules->allowMythics) return false;
    if (rarity >= 1 && !rules->allowLegendaries) return false;
    return true;
}

bool GameParser::isCreatureAllowed(Zelkin* creature) {
    return creature && isSpeciesAllowed(creature->getSpecies());
}

int GameParser::countStadiums() { return static_cast<int>(stadiums.size()); }
int GameParser::countLibraries() { return static_cast<int>(libraries.size()); }
int GameParser::countSpecies() { return static_cast<int>(species.size()); }
int GameParser::countMoves() { return static_cast<int>(moves.size()); }
int GameParser::countRulesets() { return static_cast<int>(rulesets.size()); }
int GameParser::countAllowedSpecies() { return static_cast<int>(allowedSpecies.size()); }
int GameParser::countAbilities() { return static_cast<int>(abilities.size()); }
int GameParser::countTypes() { return static_cast<int>(types.size()); }
int GameParser::countSubtypes() { return static_cast<int>(subtypes.size()); }
int GameParser::countBuffs() { return static_cast<int>(buffs.size()); }
int GameParser::countExtraDefinitions() { return static_cast<int>(extraDefinitions.size()); }

void GameParser::loadLibraryImages(WindowServices* window) {
    for (ZelkinZelkinaryList* library : libraries) {
        if (window)
            window->loadCreatureImage(library->getFile(), library->getFormFile());
        else
            loadCreatureImageIfWindow(library->getFile(), library->getFormFile());
    }
}

void GameParser::selectRuleset(int position) {
    if (position < 0 || position >= static_cast<int>(rulesets.size())) return;
    currentRuleset = rulesets[position];
    allowedSpecies.clear();
    for (ZelkinZelkinary* record : species) {
        if (!isSpeciesAllowed(record)) continue;
        allowedSpecies.push_back(record);
        for (int i = 0; i < record->getFormCount(); ++i) {
            ZelkinZelkinary* form = record->getFormAt(i);
            if (form && isSpeciesAllowed(form)) allowedSpecies.push_back(form);
        }
    }
}

void GameParser::ensureRuleset() {
    if (!rulesets.empty()) return;
    rulesets.push_back(Ruleset::createAnythingGoes());
    selectRuleset(0);
}
