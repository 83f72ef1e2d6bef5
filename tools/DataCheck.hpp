// The data check behind quorvex_datacheck: the game's start-up load, then counts, verdict and listings.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "rules/DefaultStrings.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/ParticleNameCatalogue.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

// Its output is how the loading is checked from outside (tests, scripts, the README's first command), so
// the lines keep their wording:
//   count <kind> N      for types, subtypes, abilities, buffs, moves, species, stadiums, trainers, rulesets
//   data valid | data invalid
//   <kind> <index> <name>            with --list, one per record in the database's order
//   first_start 0|1, <key> <value>   with --options, the "config.xml" keys in the file's order
//   KEY=<text>                       with --string KEY (repeatable)
class DataCheck {
public:
    virtual ~DataCheck() = default;

    // Runs in the working directory (the game root). Returns the exit code: 0 for valid data, 1 for
    // invalid data, 2 for a command line it does not understand (then nothing is loaded).
    virtual int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
        bool list = false;
        bool showOptions = false;
        bool saveOptions = false;
        std::vector<std::string> keys;
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg == "--list") {
                list = true;
            } else if (arg == "--options") {
                showOptions = true;
            } else if (arg == "--save-options") {
                saveOptions = true;
            } else if (arg == "--string" && i + 1 < args.size()) {
                keys.push_back(args[++i]);
            } else {
                err << "usage: quorvex_datacheck [--list] [--options] [--save-options] [--string KEY]...\n";
                return 2;
            }
        }

        // Exactly what the loading thread does: load, read the verdict, flush the log once, publish.
        // The game's window reads the particle descriptions before the data; without one, their names stand
        // in.
        ParticleNameCatalogue particles;
        bool ownWindow = gameBundle && !gameBundle->window;
        if (ownWindow) gameBundle->window = &particles;
        TeamBuilder* builder = new TeamBuilder();
        if (ownWindow) gameBundle->window = nullptr;
        GameParser* parser = builder->getParser();
        bool valid = builder->isDataValid();
        flushErrorLog();
        if (gameBundle) {
            gameBundle->teamBuilder = builder;
            gameBundle->parser = parser;
            gameBundle->options = parser->getOptions();
        }
        if (saveOptions) parser->getOptions()->save();

        TrainerList* trainers = parser->getTrainers();
        out << "count types " << parser->countTypes() << "\n";
        out << "count subtypes " << parser->countSubtypes() << "\n";
        out << "count abilities " << parser->countAbilities() << "\n";
        out << "count buffs " << parser->countBuffs() << "\n";
        out << "count moves " << parser->countMoves() << "\n";
        out << "count species " << parser->countSpecies() << "\n";
        out << "count stadiums " << parser->countStadiums() << "\n";
        out << "count trainers " << trainers->getCount() << "\n";
        out << "count rulesets " << parser->countRulesets() << "\n";
        out << (valid ? "data valid" : "data invalid") << "\n";

        if (list) listRecords(parser, out);
        if (showOptions) printOptions(parser->getOptions(), out);
        for (const std::string& key : keys) {
            const std::string* text = findStringByKey(key);
            out << key << "=" << (text ? *text : std::string()) << "\n";
        }

        if (gameBundle && gameBundle->teamBuilder == builder) {
            gameBundle->teamBuilder = nullptr;
            gameBundle->parser = nullptr;
            gameBundle->options = nullptr;
        }
        delete builder;
        delete parser;
        return valid ? 0 : 1;
    }

private:
    template <typename List> static void listNames(const char* kind, const List& records, std::ostream& out) {
        int index = 0;
        for (auto* record : records)
            out << kind << " " << index++ << " " << record->getName() << "\n";
    }

    static void listRecords(GameParser* parser, std::ostream& out) {
        listNames("type", parser->getTypes(), out);
        listNames("subtype", parser->getSubtypes(), out);
        listNames("ability", parser->getAbilities(), out);
        listNames("buff", parser->getBuffs(), out);
        listNames("move", parser->getMoves(), out);
        listNames("species", parser->getSpeciesList(), out);
        listNames("stadium", parser->getStadiums(), out);
        TrainerList* trainers = parser->getTrainers();
        for (int i = 0; i < trainers->getCount(); ++i) {
            Trainer* trainer = trainers->getAt(i);
            out << "trainer " << i << " " << (trainer ? trainer->getName() : std::string()) << "\n";
        }
        listNames("ruleset", parser->getRulesets(), out);
    }

    static void printOptions(Game_Options* options, std::ostream& out) {
        out << "first_start " << (options->isFirstStart() ? 1 : 0) << "\n";
        out << "trainer_name " << options->getTrainerName() << "\n";
        out << "trainer_sprite " << options->getTrainerSprite() << "\n";
        out << "n_zlkn_battle " << options->getTeamSize() << "\n";
        out << "battle_speed " << options->getBattleSpeed() << "\n";
        out << "commentator " << options->isCommentatorOn() << "\n";
        out << "ccolor " << options->getCommentatorColor() << "\n";
        out << "balance " << options->getBalance() << "\n";
        out << "size_mode " << options->getSizeMode() << "\n";
        out << "draft " << options->getDraft() << "\n";
        out << "debug " << options->getDebug() << "\n";
        out << "help " << options->getHelp() << "\n";
        out << "dynamic_bars " << options->getDynamicBars() << "\n";
        out << "shadows " << options->getShadows() << "\n";
        out << "auto_input " << options->getAutoInput() << "\n";
        out << "bloody_effects " << options->getBloodyEffects() << "\n";
        out << "active_abilities_effects " << options->getAbilitiesEffects() << "\n";
        out << "active_stadiums_effects " << options->getStadiumsEffects() << "\n";
        out << "active_rulesets_effects " << options->getRulesetsEffects() << "\n";
    }
};
