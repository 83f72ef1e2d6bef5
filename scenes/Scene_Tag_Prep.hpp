// The tag tournament's set-up: the two sides' names and generated bots, and the rules of the series.
#pragma once

#include <string>

#include "scenes/Scene.hpp"

class TeamBuilder;
class Game_Options;
class BotList;
class Bot_Team;

// Both sides are bots: the roster bots tagged with a side's name (as copies) and generated ones. "START !"
// builds the two sides afresh each time and hands them to the series; the screen comes back unchanged.
class Scene_Tag_Prep : public Scene {
public:
    static constexpr int PAGE_MAIN = 0;
    static constexpr int PAGE_FIRST_SIDE = 1;
    static constexpr int PAGE_SECOND_SIDE = 2;
    static constexpr int PAGE_RULES = 3;
    // Items of the main page: the first side, "START !", the second side, and "Rules" under the middle.
    static constexpr int ITEM_FIRST_SIDE = 0;
    static constexpr int ITEM_START = 1;
    static constexpr int ITEM_SECOND_SIDE = 2;
    static constexpr int ITEM_RULES = 3;
    static constexpr int MAX_NAME_LENGTH = 12;
    static constexpr int MAX_GENERATED = 20;
    static constexpr int MAX_HYPE = 8;

    Scene_Tag_Prep();
    // Puts the options' creatures per battle back: the series' setting never outlives the screen.
    virtual ~Scene_Tag_Prep();

    void handleInput() override;
    void update() override;
    void draw() override;
    // Takes the database, the options and the roster from the GameBundle.
    virtual void init();
    virtual void appendNameChar(int side, char c);
    virtual void eraseNameChar(int side);

    // ---- For tests ----
    const std::string& getName(int side) const { return names[side == 1 ? 1 : 0]; }
    int getGenerated(int side) const { return generated[side == 1 ? 1 : 0]; }
    int getBattleSize() const { return battleSize; }
    int getRulesetIndex() const { return rulesetIndex; }
    int getHype() const { return hype; }
    int getCursor() const { return cursor; }
    int getPage() const { return page; }

protected:
    // Builds both sides and pushes the series.
    virtual void startTournament();
    // The roster bots of one side (copies) followed by its generated bots.
    virtual void fillSide(Bot_Team* side, const std::string& tag, const std::string& excluded, int count);
    virtual void stepSetting(bool up);
    virtual void leavePage();

    TeamBuilder* database = nullptr;
    Game_Options* options = nullptr;
    BotList* roster = nullptr;
    std::string names[2] = {"Blue", "Red"};
    int battleSize = 3;
    int rulesetIndex = 0;
    int hype = 0;
    int generated[2] = {0, 0};
    int blinkCounter = 0;
    int cursor = ITEM_START;
    int page = PAGE_MAIN;
};
