// Helpers of the battle screen tests: the battle test world loaded as the game loads it, participants
// and frame-by-frame driving of a Scene_Battle.
#pragma once

#include <boost/filesystem.hpp>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ScenesBaseSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/GameField.hpp"
#include "players/ZelkBot.hpp"
#include "players/ZelkBot_Human.hpp"
#include "players/Zelkbot_Random.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "scenes/SceneBattleEnd.hpp"
#include "scenes/Scene_Battle.hpp"
#include "scenes/Scene_Battle_Presentation.hpp"

// The scene with its protected steps reachable by the tests.
class TestBattleScreen : public Scene_Battle {
public:
    using Scene_Battle::isOrderAcceptable;
    bool hasOpening() { return dynamic_cast<Scene_Battle_Presentation*>(child) != nullptr; }
    bool hasResults() { return dynamic_cast<SceneBattleEnd*>(child) != nullptr; }
};

// tests/data/battle/ copied where the game reads its data, loaded by a TeamBuilder, with default options
// (three creatures a side, commentary and dynamic bars on) and both sides' six-creature participants.
class BattleScreenWorld {
public:
    explicit BattleScreenWorld(bool opponentIsBot = true, bool playerIsBot = false) {
        const char* const kinds[][2] = {{"types", "types.xml"},         {"subtypes", "subtypes.xml"},
                                        {"abilities", "abilities.xml"}, {"buffs", "buffs.xml"},
                                        {"moves", "moves.xml"},         {"creatures", "creatures.xml"},
                                        {"stadiums", "stadiums.xml"},   {"rulesets", "rulesets.xml"}};
        for (const auto& kind : kinds)
            dir.write(std::string("data/") + kind[0] + "/" + kind[1], fixture(kind[1]));
        dir.write("data/commentator.xml", fixture("commentator.xml"));
        builder.reset(new TeamBuilder());
        parser = builder->getParser();
        resetErrorLog();
        options = parser->getOptions();
        player.reset(makeParticipant(playerIsBot, "Alice"));
        opponent.reset(makeParticipant(opponentIsBot, "Bruno"));
    }
    ~BattleScreenWorld() {
        // The screen goes first: it waits for running decisions and frees the battle's creatures. A child
        // still running (a test that stops early) is the screen's to free, as its parent would.
        if (screen != nullptr && screen->child != nullptr) {
            delete screen->child;
            screen->child = nullptr;
        }
        screen.reset();
        player.reset();
        opponent.reset();
        clearDiscardedBuffs();
        delete parser;
    }

    static std::string fixture(const std::string& name) {
        std::ifstream in(fixturePath("battle/" + name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    Zelkin* makeCreature(const std::string& name) {
        for (ZelkinZelkinary* record : parser->getSpeciesList()) {
            if (record->getName() != name) continue;
            Zelkin* creature = new Zelkin(record, 50);
            for (int i = 0; i < record->getMoveCount() && i < Zelkin::MAX_MOVES; ++i)
                creature->addMoveWithDefaultPp(record->getMoveAt(i));
            return creature;
        }
        return nullptr;
    }

    ZelkBot* makeParticipant(bool bot, const std::string& trainer) {
        ZelkBot* participant = bot ? static_cast<ZelkBot*>(new Zelkbot_Random(parser)) : new ZelkBot_Human();
        for (const char* name : {"Flamby", "Aquilon", "Herbette", "Rocaille", "Braisier", "Marinel"})
            participant->addMember(makeCreature(name));
        participant->setTrainerInfo(2, trainer, "Allez !");
        return participant;
    }

    // Builds the screen and calls its init; the window may be null (nothing drawn).
    TestBattleScreen& start(GameWindow* window = nullptr, const std::string& stadium = "Arene Test",
                            int mode = 0) {
        screen.reset(new TestBattleScreen());
        screen->window = window;
        screen->controler = &keys.controler;
        screen->init(builder.get(), options, player.get(), opponent.get(),
                     new BattleInformations(parser->findStadium(stadium), mode, 0));
        return *screen;
    }

    // One frame with these keys down (all others up). A decision started in the frame is let finish, as
    // it would within the game's 33 ms frames, so that frame counts do not depend on the thread's speed.
    void frame(std::initializer_list<sf::Keyboard::Key> pressed = {}) {
        keys.frame(pressed);
        screen->run();
        for (ZelkBot* participant : {player.get(), opponent.get()})
            if (participant != nullptr) participant->waitForDecision();
    }
    // A frame with the keys, then a frame without, so that the next press counts again.
    void press(std::initializer_list<sf::Keyboard::Key> pressed) {
        frame(pressed);
        frame();
    }
    void skipOpening() {
        for (int i = 0; i < Scene_Battle_Presentation::OPENING_FRAMES; ++i)
            frame();
    }
    // Runs frames until the condition holds; false after the frame budget.
    template <class Condition> bool runUntil(Condition condition, int budget = 20000) {
        for (int i = 0; i < budget; ++i) {
            if (condition()) return true;
            frame();
        }
        return condition();
    }
    // The opening, then the player's three picks (digit keys, confirmed with Enter) and the side 1
    // computer's. With a still opponent, side 1 is left without a decision maker once the battle starts:
    // the field then waits for it for ever and keeps whatever order the player gives.
    bool reachBattle(std::initializer_list<sf::Keyboard::Key> picks = {sf::Keyboard::Num1, sf::Keyboard::Num2,
                                                                       sf::Keyboard::Num3},
                     bool stillOpponent = true) {
        skipOpening();
        for (sf::Keyboard::Key pick : picks)
            press({pick});
        press({sf::Keyboard::Return});
        bool started = runUntil([&] { return screen->getPhase() == Scene_Battle::PHASE_BATTLE; }, 400);
        if (stillOpponent) opponent->setControlledByBot(0);
        return started;
    }
    // The field waits for the player's order for the turn.
    bool reachPlayersTurn() {
        return runUntil([&] {
            GameField* field = screen->getField();
            return field->getState() == GameField::STATE_WAITING && field->getOpenRequest(0) == 1;
        });
    }

    ScratchDir dir;
    std::unique_ptr<TeamBuilder> builder;
    GameParser* parser = nullptr;
    // The database's own options, as the game passes them.
    Game_Options* options = nullptr;
    std::unique_ptr<ZelkBot> player;
    std::unique_ptr<ZelkBot> opponent;
    KeyScript keys;
    std::unique_ptr<TestBattleScreen> screen;
};
