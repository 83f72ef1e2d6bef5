// The game database: owns every definition read from "data/" and answers lookups, counts and random picks.
#pragma once

#include <string>
#include <vector>

#include "rules/NameIndex.hpp"

namespace tinyxml2 {
class XMLElement;
}

class ZelkinZelkinaryList;
class ZelkinZelkinary;
class ZelkinMove;
class ZelkinType;
class ZelkinBuffData;
class Stadium;
class Ruleset;
class TrainerList;
class Game_Options;
class Zelkin;
class QXML_Command;
class Animation;
class WindowServices;

class GameParser {
public:
    // Creates the empty containers, the trainer list and the options (which read "config.xml").
    GameParser();
    virtual ~GameParser();

    virtual ZelkinMove* findMove(const std::string& name);
    virtual ZelkinZelkinary* findSpeciesFormInLibrary(const std::string& code, int number,
                                                      const std::string& form);
    virtual ZelkinZelkinary* findSpeciesForm(int number, const std::string& form);
    virtual ZelkinZelkinary* findSpeciesInLibrary(const std::string& code, int number);
    virtual ZelkinZelkinary* findSpecies(int number);
    virtual ZelkinZelkinary* getSpeciesAt(int position);
    virtual ZelkinZelkinary* randomAllowedSpecies();
    virtual ZelkinZelkinary* randomAllowedSpeciesOfTypes(ZelkinType* a, ZelkinType* b);
    virtual ZelkinType* getTypeAt(int position);
    virtual ZelkinType* findType(const std::string& name);
    virtual ZelkinType* findSubtype(const std::string& name);
    virtual ZelkinBuffData* findAbility(const std::string& name);
    virtual ZelkinBuffData* findBuff(const std::string& name);
    virtual ZelkinBuffData* findExtraDefinition(const std::string& name);
    virtual Ruleset* getRulesetAt(int position);
    Ruleset* getCurrentRuleset() const { return currentRuleset; }
    virtual Stadium* findStadium(const std::string& name);
    virtual Stadium* getStadiumAt(int position);
    virtual Stadium* randomStadium();
    virtual Stadium* randomStadiumWithValue();
    virtual Stadium* randomStadiumWithoutValue();
    virtual TrainerList* getTrainers();
    virtual Game_Options* getOptions();
    virtual const std::vector<ZelkinType*>& getTypes();
    virtual const std::vector<ZelkinType*>& getSubtypes();
    virtual const std::vector<ZelkinMove*>& getMoves();
    virtual const std::vector<ZelkinZelkinary*>& getSpeciesListFor(int ignored);
    virtual const std::vector<ZelkinZelkinary*>& getSpeciesList();
    // New lists owned by the caller.
    virtual std::vector<ZelkinZelkinary*>* listSpeciesByTypeAndName(ZelkinType* type,
                                                                    const std::string& text);
    virtual std::vector<ZelkinZelkinary*>* listSpeciesByTypeIdAndName(int typeId, const std::string& text);

    // Loaders, one per data format.
    virtual void loadStrings(const std::string& path);
    virtual void loadCreatures(const std::string& path);
    virtual void loadMoves(const std::string& path);
    virtual void loadStadiums(const std::string& path);
    virtual void loadTrainers(const std::string& path);
    virtual void loadRulesets(const std::string& path);
    virtual void loadAbilities(const std::string& path);
    virtual void loadBuffs(const std::string& path);
    virtual void loadTypes(const std::string& path);
    virtual void loadSubtypes(const std::string& path);

    virtual bool isSpeciesAllowed(ZelkinZelkinary* species);
    virtual bool isCreatureAllowed(Zelkin* creature);
    virtual int countStadiums();
    virtual int countLibraries();
    virtual int countSpecies();
    virtual int countMoves();
    virtual int countRulesets();
    virtual int countAllowedSpecies();
    virtual int countAbilities();
    virtual int countTypes();
    virtual int countSubtypes();
    virtual int countBuffs();
    virtual int countExtraDefinitions();
    virtual void loadLibraryImages(WindowServices* window);
    virtual void selectRuleset(int position);
    // When no ruleset exists, adds the built-in "Anything Goes" and makes it current, so that the
    // admission test and the random picks always have rules to go by after loading.
    void ensureRuleset();
    // A new animation reference read from an "animation" element, or null.
    virtual Animation* parseAnimation(tinyxml2::XMLElement* element);

    // The effect-command parser shared by the loaders: a new command tree or null. Consumes children of
    // element.
    QXML_Command* parseEffect(tinyxml2::XMLElement* element);

    // Read-only views used by tools and tests.
    const std::vector<ZelkinZelkinaryList*>& getLibraries() const { return libraries; }
    const std::vector<ZelkinBuffData*>& getAbilities() const { return abilities; }
    const std::vector<ZelkinBuffData*>& getBuffs() const { return buffs; }
    const std::vector<Stadium*>& getStadiums() const { return stadiums; }
    const std::vector<Ruleset*>& getRulesets() const { return rulesets; }
    const std::vector<ZelkinZelkinary*>& getAllowedSpecies() const { return allowedSpecies; }

private:
    // Name -> the first record of that name. Each index grows with its list as the loaders append, so
    // that records naming other records (a species its moves, a move its type) and the engine's lookups
    // find them without a scan; a later record of the same name does not replace the first.
    template <typename T> static void appendNamed(std::vector<T*>& list, NameIndex<T>& index, T* record) {
        list.push_back(record);
        index.add(record->getName(), record);
    }

    std::vector<ZelkinZelkinaryList*> libraries;
    std::vector<ZelkinMove*> moves;
    std::vector<ZelkinZelkinary*> species;
    std::vector<ZelkinZelkinary*> allowedSpecies;
    std::vector<Stadium*> stadiums;
    std::vector<ZelkinBuffData*> abilities;
    std::vector<ZelkinBuffData*> buffs;
    std::vector<ZelkinBuffData*> extraDefinitions;
    std::vector<ZelkinType*> types;
    std::vector<ZelkinType*> subtypes;
    std::vector<Ruleset*> rulesets;
    Ruleset* currentRuleset = nullptr;
    TrainerList* trainers = nullptr;
    Game_Options* options = nullptr;
    NameIndex<ZelkinMove> movesByName;
    NameIndex<Stadium> stadiumsByName;
    NameIndex<ZelkinBuffData> abilitiesByName;
    NameIndex<ZelkinBuffData> buffsByName;
    NameIndex<ZelkinType> typesByName;
    NameIndex<ZelkinType> subtypesByName;
};
