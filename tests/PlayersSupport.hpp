// Participants on the battle test world: bots with fixture teams and the bot-file fixtures.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BattleFixture.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "players/Zelkbot_Random.hpp"

// A computer participant on the world's database with the given species (first four moves each).
inline ZelkBot* makeBotIn(BattleFixture& world, const std::vector<std::string>& names,
                          const std::string& trainer = "Testeur") {
    ZelkBot* bot = new Zelkbot_Random(world.parser);
    for (const std::string& name : names)
        bot->addMember(world.makeCreature(name));
    bot->setTrainerInfo(2, trainer, "Allez !");
    return bot;
}

class PlayersWorld : public BattleFixture {
public:
    // The fixture file's bytes, to copy into the scratch folder.
    static std::string fixture(const std::string& name) {
        std::ifstream in(fixturePath("players/" + name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    ZelkBot* makeBot(const std::vector<std::string>& names, const std::string& trainer = "Testeur") {
        return makeBotIn(*this, names, trainer);
    }
    static const std::vector<std::string>& sixNames() {
        static const std::vector<std::string> names = {"Flamby",   "Aquilon",  "Herbette",
                                                       "Rocaille", "Braisier", "Marinel"};
        return names;
    }
};
