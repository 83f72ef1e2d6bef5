// Helpers of the tournament tests: the hub data set loaded as at start-up, a roster read from bot files,
// and battles sent back with a chosen result.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ScenesBaseSupport.hpp"
#include "battle/GameField.hpp"
#include "players/BotList.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinTeam.hpp"
#include "scenes/Scene_Battle.hpp"
#include "tests/HubSupport.hpp"

// A bot file of the hub data set: six fire species that all know "Charge", and the given tags.
inline std::string botFileXml(const std::string& name, int sprite,
                              const std::vector<std::string>& tags = {}) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<zelkbot>\n<name>" + name +
                      "</name>\n<sprite>" + std::to_string(sprite) + "</sprite>\n";
    for (int number : {1, 4, 7, 10, 13, 16})
        xml += "<zelkin><number>" + std::to_string(number) +
               "</number><move>Charge</move>"
               "<move>Flammeche</move></zelkin>\n";
    for (const std::string& tag : tags)
        xml += "<tag>" + tag + "</tag>\n";
    return xml + "</zelkbot>\n";
}

// Deletes a battle pushed by a mode, with the opening it shows first.
inline void dropModeBattle(Scene& mode) {
    if (mode.child == nullptr) return;
    delete mode.child->child;
    mode.child->child = nullptr;
    delete mode.child;
    mode.child = nullptr;
}

class TournamentWorld {
public:
    // bots: the roster's files "bots/bot1.xml" .. (named "Bot1" ..), with the tags given per bot.
    explicit TournamentWorld(int bots, const std::string& config = "<config>\n</config>\n",
                             const std::vector<std::vector<std::string>>& tags = {}) {
        installDataSet(dir, "hub/full/data");
        dir.write("config.xml", config);
        for (int i = 1; i <= bots; ++i) {
            std::vector<std::string> own =
                static_cast<size_t>(i - 1) < tags.size() ? tags[i - 1] : std::vector<std::string>();
            // Two digits keep the folder's name order the roster's order.
            dir.write("bots/bot" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".xml",
                      botFileXml("Bot" + std::to_string(i), 1 + i % 4, own));
        }
        builder = new TeamBuilder();
        parser = builder->getParser();
        options = parser->getOptions();
        roster = new BotList();
        roster->loadFolder(parser, "bots");
        // The guard frees them with the test.
        gameBundle->teamBuilder = builder;
        gameBundle->parser = parser;
        gameBundle->options = options;
        gameBundle->botList = roster;
        resetErrorLog();
    }
    ~TournamentWorld() { clearDiscardedBuffs(); }

    // The scene's frame with these keys, then a frame without, so that the next press counts again.
    void press(Scene& scene, std::initializer_list<sf::Keyboard::Key> pressed) { tap(keys, scene, pressed); }
    void frame(Scene& scene, std::initializer_list<sf::Keyboard::Key> pressed = {}) {
        keys.frame(pressed);
        scene.run();
    }
    // Sends the running battle back with a result, as a finished battle screen does, and lets the mode
    // read it in its next frame.
    void finishBattle(Scene& mode, int code) {
        ASSERT_NE(mode.child, nullptr);
        delete mode.child->child;
        mode.child->child = nullptr;
        mode.child->result = code;
        mode.child->alive = false;
        frame(mode);
        ASSERT_EQ(mode.child, nullptr);
        frame(mode);
    }
    // The participant on one side of the running battle, known by the career record its team got.
    ZelkBot* fighter(Scene& mode, int side) {
        Scene_Battle* battle = dynamic_cast<Scene_Battle*>(mode.child);
        if (battle == nullptr || battle->getField() == nullptr) return nullptr;
        TrainerRecord* owner = battle->getField()->getTeam(side)->getOwner();
        for (int i = 0; i < roster->count(); ++i)
            if (roster->get(i)->getTrainerStats() == owner) return roster->get(i);
        return nullptr;
    }

    ScratchDir dir;
    BundleGuard guard;
    TeamBuilder* builder = nullptr;
    GameParser* parser = nullptr;
    Game_Options* options = nullptr;
    BotList* roster = nullptr;
    KeyScript keys;
};
