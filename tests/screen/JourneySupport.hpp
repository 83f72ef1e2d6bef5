// Helpers of the journey, draft and creature index tests: a loaded test world with a roster, and a way to
// stand in for a battle that has come back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ScenesBaseSupport.hpp"
#include "players/BotList.hpp"
#include "players/TrainerStats.hpp"
#include "players/ZelkBot.hpp"
#include "presentation/ParticleEngine.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "scenes/Scene.hpp"
#include "tests/HubSupport.hpp"

// tests/data/hub/full/data loaded as the game loads it, put into the game bundle (which the guard empties
// again), with a roster of rosterSize bots named "Bot0", "Bot1", ... and a particle engine of its own.
struct JourneyWorld {
    explicit JourneyWorld(int rosterSize = 0) {
        installDataSet(dir, "hub/full/data");
        builder = new TeamBuilder();
        parser = builder->getParser();
        options = parser->getOptions();
        roster = new BotList();
        gameBundle->teamBuilder = builder;
        gameBundle->parser = parser;
        gameBundle->options = options;
        gameBundle->botList = roster;
        gameBundle->particleEngine = &particles;
        for (int i = 0; i < rosterSize; ++i)
            roster->add(makeRosterBot("Bot" + std::to_string(i)));
    }
    ZelkBot* makeRosterBot(const std::string& name) {
        ZelkBot* bot = new ZelkBot();
        for (int k = 0; k < ZelkBot::TEAM_SIZE; ++k)
            bot->addMember(builder->createRandomCreature());
        builder->clearUsed();
        bot->setTrainerInfo(2, name, "Credo de " + name);
        return bot;
    }
    ScratchDir dir;
    BundleGuard guard;
    ParticleEngine particles;
    TeamBuilder* builder = nullptr;
    GameParser* parser = nullptr;
    Game_Options* options = nullptr;
    BotList* roster = nullptr;
    KeyScript keys;
};

// Deletes a scene's child and everything stacked on it, as if it had finished, and hands the parent the
// result the child would have given.
inline void finishChild(Scene& parent, int result) {
    // The topmost first: a scene may still point into its parent's battle while it goes.
    std::vector<Scene*> stack;
    for (Scene* scene = parent.child; scene != nullptr; scene = scene->child)
        stack.push_back(scene);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        delete *it;
    parent.child = nullptr;
    parent.result = result;
}

// Runs n frames with no key down.
inline void idle(KeyScript& keys, Scene& scene, int n) {
    for (int i = 0; i < n; ++i) {
        keys.frame();
        scene.run();
    }
}
