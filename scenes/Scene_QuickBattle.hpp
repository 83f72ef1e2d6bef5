// The quick battle set-up: who plays each side, the rules, then one battle after another.
#pragma once

#include "scenes/Scene.hpp"

class TeamBuilder;
class Game_Options;
class BotList;
class ZelkBot;
class ZelkBot_Human;

// Pushed by the main menu. Each start builds both participants and a friendly battle and pushes the
// battle screen; when it returns, the result is booked on the human's career record when the human
// played, and the set-up shows again with every choice kept. A ruleset admitting fewer species than a
// team of six needs starts nothing: the rules panel says why.
class Scene_QuickBattle : public Scene {
public:
    // Pages of the screen.
    static constexpr int PAGE_MAIN = 0;
    static constexpr int PAGE_PLAYER_1 = 1;
    static constexpr int PAGE_RULES = 2;
    static constexpr int PAGE_PLAYER_2 = 3;
    // Entries of the main row.
    static constexpr int ENTRY_PLAYER_1 = 0;
    static constexpr int ENTRY_START = 1;
    static constexpr int ENTRY_PLAYER_2 = 2;
    static constexpr int ENTRY_RULES = 3;
    // Kinds of side.
    static constexpr int KIND_RANDOM_TRAINER = 0;
    static constexpr int KIND_ROSTER_BOT = 1;
    static constexpr int KIND_HUMAN = 2;
    // Idle frames on "START !" before `auto_input` starts the next battle.
    static constexpr int AUTO_START_FRAMES = 90;

    Scene_QuickBattle();
    // Deletes the transient participants and the human with its creatures, and puts back the saved
    // creatures-per-side setting.
    virtual ~Scene_QuickBattle();

    void handleInput() override;
    void update() override;
    void draw() override;
    virtual void init(TeamBuilder* teamBuilder, Game_Options* options, BotList* botList);

    // ---- For tests ----
    int getPage() const { return page; }
    int getCursor() const { return cursor; }
    int getAutoTimer() const { return autoTimer; }
    int getKind(int side) const { return sides[clampSide(side)].kind; }
    int getLevel(int side) const { return sides[clampSide(side)].level; }
    int getBotChoice(int side) const { return sides[clampSide(side)].botChoice; }
    int getTeamSize() const { return teamSize; }
    int getStadiumChoice() const { return stadiumChoice; }
    int getRulesetIndex() const { return rulesetIndex; }
    int getHype() const { return hype; }
    ZelkBot_Human* getHuman() const { return human; }
    ZelkBot* getParticipant(int side) const { return participants[clampSide(side)]; }

protected:
    struct Side {
        int kind = KIND_RANDOM_TRAINER;
        int level = 4;
        int botChoice = 0;
    };

    static int clampSide(int side) { return side == 1 ? 1 : 0; }
    // One pressed key acting on the page open at that moment.
    virtual void handleKey(int key);
    virtual void handleMainRow(int key);
    virtual void handleSidePanel(int side, int key);
    virtual void handleRulesPanel(int key);
    // Builds both sides and the battle information, and pushes the battle screen.
    virtual void startBattle();
    // The participant of one side for the coming battle, by the side's kind.
    virtual ZelkBot* buildSide(int side);
    virtual void reloadBackground();
    virtual void drawSidePanel(int side, int x);
    virtual void drawCreatureEntries(int side);

    ZelkBot_Human* human = nullptr;
    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    BotList* botList = nullptr;
    ZelkBot* participants[2] = {nullptr, nullptr};
    int animCounter = 0;
    int cursor = ENTRY_START;
    int page = PAGE_MAIN;
    int autoTimer = 0;
    Side sides[2];
    int teamSize = 3;
    int stadiumChoice = 0;
    int rulesetIndex = 0;
    int hype = 4;
};
