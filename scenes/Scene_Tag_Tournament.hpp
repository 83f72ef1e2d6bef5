// The tag tournament: two sides of bots, winner stays on, until a side has nobody left.
#pragma once

#include "scenes/Scene.hpp"

class TeamBuilder;
class Game_Options;
class BattleInformations;
class Bot_Team;
class ZelkBot;

// Between matches the screen shows the field split in blue and red with both sides' members; each state
// but the idle one (0) is a 50-frame display. The scene owns both sides (and through them the generated
// bots and the roster copies).
class Scene_Tag_Tournament : public Scene {
public:
    static constexpr int STATE_IDLE = 0;
    static constexpr int STATE_ANNOUNCE = 2;
    static constexpr int STATE_FIRST_WON_MATCH = 5;
    static constexpr int STATE_SECOND_WON_MATCH = 6;
    static constexpr int STATE_DRAWN_MATCH = 7;
    static constexpr int STATE_FIRST_WON_SERIES = 8;
    static constexpr int STATE_SECOND_WON_SERIES = 9;
    static constexpr int STATE_DRAWN_SERIES = 10;
    static constexpr int DISPLAY_FRAMES = 50;
    // Idle frames before automatic input starts the next match.
    static constexpr int AUTO_FRAMES = 90;

    Scene_Tag_Tournament();
    // Deletes both sides and a match record never handed to a battle.
    virtual ~Scene_Tag_Tournament();

    void update() override;
    void draw() override;
    // Takes ownership of both sides.
    virtual void init(Bot_Team* first, Bot_Team* second);

    // ---- For tests ----
    int getState() const { return state; }
    int getPreviousState() const { return previousState; }
    int getOutcome() const { return outcome; }
    int getScore(int side) const { return scores[side == 1 ? 1 : 0]; }
    int getTimer() const { return timer; }
    int getMatchNumber() const { return matchNumber; }
    int getAutoCounter() const { return autoCounter; }
    ZelkBot* getCurrent(int side) const { return currents[side == 1 ? 1 : 0]; }
    Bot_Team* getSide(int side) const { return sides[side == 1 ? 1 : 0]; }
    BattleInformations* getInformation() const { return information; }

protected:
    // A fresh record for the next match: a random stadium, titled for the series.
    virtual void prepareInformation();
    virtual void startMatch();
    // After a match's result: the series' outcome, or the next match.
    virtual void settleSeries();
    virtual int remaining(int side);
    virtual void drawMember(int side);
    virtual void drawWaiting(int side);
    virtual void drawBanner();

    TeamBuilder* database = nullptr;
    Game_Options* options = nullptr;
    // Owned until handed to a battle.
    BattleInformations* information = nullptr;
    int matchNumber = 0;
    int outcome = 0;
    int scores[2] = {0, 0};
    Bot_Team* sides[2] = {nullptr, nullptr};
    ZelkBot* currents[2] = {nullptr, nullptr};
    int animCounter = 0;
    int timer = 0;
    int state = STATE_ANNOUNCE;
    int previousState = STATE_DRAWN_MATCH;
    int autoCounter = 0;
};
