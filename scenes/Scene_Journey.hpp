// One journey: the player's six creatures against the journey's opponents, one battle after another.
#pragma once

#include <string>

#include "scenes/Scene.hpp"

class ZelkBot_Human;
class TeamBuilder;
class Game_Options;
class BotList;
class JourneyData;
class JourneyEncounter;

class Scene_Journey : public Scene {
public:
    enum State { STATE_MENU = 0, STATE_WON = 1, STATE_ANNOUNCE = 2, STATE_VICTORY = 3, STATE_LOST = 4 };
    enum MenuMode { MENU_MAIN = 0, MENU_TEAM = 1, MENU_QUIT = 2 };
    static constexpr int TRANSITION_FRAMES = 50;

    Scene_Journey();
    // Takes the journey's statistics records off the player's creatures, then deletes the player and
    // the journey with every encounter not yet handed to a battle.
    ~Scene_Journey() override;

    void handleInput() override;
    void update() override;
    void draw() override;
    virtual void init(TeamBuilder* teamBuilder, Game_Options* options, BotList* botList, int difficulty);

    // The closing remark for a number of wins.
    static std::string remarkFor(int wins);

    ZelkBot_Human* getHuman() const { return human; }
    JourneyData* getJourney() const { return journey; }
    JourneyEncounter* getEncounter() const { return encounter; }
    int getWins() const { return wins; }
    int isRunAlive() const { return runAlive; }
    int getState() const { return state; }
    int getTimer() const { return timer; }
    int getMenuMode() const { return menuMode; }
    int getMenuCursor() const { return menuCursor; }
    int getTeamCursor() const { return teamCursor; }
    int getQuitChoice() const { return quitChoice; }
    int isSecretStarted() const { return secretStarted; }

protected:
    virtual void readMenuKeys();
    // "Continuer": the next battle, the secret battle, or the end of the journey.
    virtual void startNextBattle();
    // "Quitter" or going back: asks first while the run can still go on.
    virtual void askToQuit();

    ZelkBot_Human* human = nullptr;
    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    JourneyData* journey = nullptr;
    JourneyEncounter* encounter = nullptr;
    int wins = 0;
    int runAlive = 1;
    int animCounter = 0;
    int timer = 0;
    int menuMode = MENU_MAIN;
    int state = STATE_MENU;
    int secretStarted = 0;
    int menuCursor = 0;
    int teamCursor = 0;
    int quitChoice = 0;
};
