// The screen before a journey: creatures per side, difficulty and ruleset, with a summary of the rules.
#pragma once

#include "scenes/Scene.hpp"

class TeamBuilder;
class Game_Options;
class BotList;

class SceneJourneySelection : public Scene {
public:
    static constexpr int ENTRY_KIND = 0;
    static constexpr int ENTRY_TEAM_SIZE = 1;
    static constexpr int ENTRY_DIFFICULTY = 2;
    static constexpr int ENTRY_RULESET = 3;

    SceneJourneySelection();
    // Gives the creatures-per-side setting back its saved value.
    ~SceneJourneySelection() override;

    void handleInput() override;
    void update() override;
    void draw() override;
    // Takes the database, the options and the roster from the game bundle.
    virtual void init();

    int getCursor() const { return cursor; }
    int isConfirming() const { return confirming; }
    int getConfirmChoice() const { return confirmChoice; }
    int getTeamSize() const { return teamSize; }
    int getDifficulty() const { return difficulty; }
    int getRulesetIndex() const { return rulesetIndex; }

protected:
    // Left (-1) or Right (+1) on the entry under the cursor.
    virtual void changeEntry(int step);

    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    BotList* botList = nullptr;
    int animCounter = 0;
    int cursor = 0;
    int confirmChoice = 0;
    int confirming = 0;
    int teamSize = 3;
    int difficulty = 4;
    int rulesetIndex = 0;
};
