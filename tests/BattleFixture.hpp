// A small battle world for engine tests: the tests/data/battle/ database, creatures and a ready field.
//
// Data set (tests/data/battle/):
//   types     Neutre, Pyro, Hydro, Flore, Spectre (Spectre does nothing to Neutre); subtype Contact.
//   abilities Carapace (halves damage taken, CHECK_BEFORE_DMG), Regeneration (heals 5 at END_TURN).
//   buffs     Brulure (status BRU, 6 damage a turn), Poison (status PSN, 8 a turn), Pluie and Soleil
//             (field buffs sharing the spot "meteo", tag "climat"), Brume (nature none, tag "climat"),
//             Garde (team buff, spot "garde", halves damage).
//   moves     Charge, Flammeche (10% burn), Pistolet, Fouet, Grondement (att -1 on target), Danse Pluie
//             (AddGlobal Pluie 5 turns), Vive Attaque (priority 1), Double Pied (2 hits), Toxine (poison,
//             precision 90), Soin (heals 30).
//   species   library TEST: Flamby 1, Aquilon 2, Herbette 3, Rocaille 4, Braisier 5, Marinel 6, each with
//             one ability (so making a creature draws nothing) and distinct speeds
//             (Marinel 90 > Flamby 80 > Braisier 70 > Aquilon 60 > Herbette 45 > Rocaille 30).
//   stadiums  "Arene Test" (hype 20, a START_MATCH trigger), "Sommet Calme" (ultimate: no crowd).
//   rulesets  "Standard" (selected; a START_MATCH trigger), "Libre".
//   commentator.xml, copied to the scratch folder: SUPER_WAIT, DAMAGE, KO and MVP_DISCOVER phrases.
//
// The fixture runs in a ScratchDir (default options: team size 3, battle speed 0, commentary on).
// Random draws: building a field draws twice (the crowd's popularity) unless the battle is quiet or the
// stadium ultimate; each ActionSocket draws its roll. Install ScriptedRandom before those calls.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/GameField.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

class BattleFixture {
public:
    // Loads the data set in start-up order. The error log is left empty (a fixture problem shows in
    // loadErrors, checked by the fixture's own test).
    BattleFixture() {
        std::string commentator;
        {
            std::ifstream in(fixturePath("battle/commentator.xml"), std::ios::binary);
            commentator.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        dir.write("data/commentator.xml", commentator);
        parser = new GameParser();
        parser->loadTypes(fixturePath("battle/types.xml"));
        parser->loadSubtypes(fixturePath("battle/subtypes.xml"));
        parser->loadAbilities(fixturePath("battle/abilities.xml"));
        parser->loadBuffs(fixturePath("battle/buffs.xml"));
        parser->loadMoves(fixturePath("battle/moves.xml"));
        parser->loadCreatures(fixturePath("battle/creatures.xml"));
        parser->loadStadiums(fixturePath("battle/stadiums.xml"));
        parser->loadRulesets(fixturePath("battle/rulesets.xml"));
        loadErrors = errorLogLines();
        resetErrorLog();
    }
    virtual ~BattleFixture() {
        // Buffs taken out of play during the test point into the database: free them first.
        clearDiscardedBuffs();
        delete parser;
    }
    BattleFixture(const BattleFixture&) = delete;
    BattleFixture& operator=(const BattleFixture&) = delete;

    ZelkinZelkinary* species(const std::string& name) {
        for (ZelkinZelkinary* record : parser->getSpeciesList())
            if (record->getName() == name) return record;
        return nullptr;
    }
    ZelkinMove* move(const std::string& name) { return parser->findMove(name); }
    ZelkinBuffData* buff(const std::string& name) { return parser->findBuff(name); }
    ZelkinBuffData* ability(const std::string& name) { return parser->findAbility(name); }
    Stadium* stadium(const std::string& name = "Arene Test") { return parser->findStadium(name); }

    // A creature of the species with its first four moves (default PP) and its one ability; null for an
    // unknown species. The caller owns it.
    Zelkin* makeCreature(const std::string& speciesName, int level = 50) {
        ZelkinZelkinary* record = species(speciesName);
        if (record == nullptr) return nullptr;
        Zelkin* creature = new Zelkin(record, level);
        for (int i = 0; i < record->getMoveCount() && i < Zelkin::MAX_MOVES; ++i)
            creature->addMoveWithDefaultPp(record->getMoveAt(i));
        return creature;
    }

    // Adds the named creatures, in order, to a team.
    void fillTeam(ZelkinTeam* team, const std::vector<std::string>& names, int level = 50) {
        for (const std::string& name : names) {
            Zelkin* creature = makeCreature(name, level);
            if (creature != nullptr) team->addMember(creature);
        }
    }

    // A field on a stadium with both teams filled: by default side 0 (Red) Flamby, Aquilon, Herbette and
    // side 1 (Blue) Rocaille, Braisier, Marinel. No window, no crowd factory; the caller owns the field.
    GameField* makeField(int mode = 0, int round = 0, const std::string& stadiumName = "Arene Test",
                         const std::vector<std::string>& side0 = {"Flamby", "Aquilon", "Herbette"},
                         const std::vector<std::string>& side1 = {"Rocaille", "Braisier", "Marinel"}) {
        BattleInformations* informations = new BattleInformations(stadium(stadiumName), mode, round);
        GameField* field = new GameField(parser, informations, nullptr);
        fillTeam(field->getTeam(0), side0);
        fillTeam(field->getTeam(1), side1);
        return field;
    }

    // A quiet field (secret battle): no crowd draws, no commentary, no match-start action.
    GameField* makeQuietField() { return makeField(BattleInformations::MODE_SECRET, 0); }

    // A live buff of a loaded definition, owned by the caller until handed over.
    ZelkinBuff* makeBuff(const std::string& name, int duration = 0, int value = 0) {
        ZelkinBuffData* definition = buff(name);
        if (definition == nullptr) return nullptr;
        ZelkinBuff* live = new ZelkinBuff(definition, value);
        live->setDuration(duration);
        return live;
    }

    ScratchDir dir;
    GameParser* parser = nullptr;
    std::vector<std::string> loadErrors;
};
