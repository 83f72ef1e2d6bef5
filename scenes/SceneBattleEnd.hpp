// The results screen that closes every battle: the winner's banner, the MVP, then the results table.
#pragma once

#include <string>

#include "scenes/Scene.hpp"

class GameBattleEngine;
class GameField;
class Game_Options;
class ZelkBot;
class Zelkin;

// Pushed by the battle screen once the battle is decided. It closes the field, keeps the engine stepping
// so that the closing actions and the last remarks still play, and hands the field's result (1 side 0
// won, 2 side 1 won, 3 a draw) back on confirmation. It owns nothing: engine, field and participants stay
// the battle screen's, and it writes no file.
class SceneBattleEnd : public Scene {
public:
    // Intro lengths in frames: with an MVP to present, and without one or for a quiet battle.
    static constexpr int INTRO_FRAMES = 150;
    static constexpr int SHORT_INTRO_FRAMES = 80;
    // Frames of `auto_input` before the screen confirms by itself.
    static constexpr int AUTO_CONFIRM_FRAMES = 300;
    // Below this the results table slides in (one step of 45 units per frame).
    static constexpr int TABLE_FRAMES = 10;

    SceneBattleEnd();
    virtual ~SceneBattleEnd();

    void handleInput() override;
    void update() override;
    void draw() override;
    // Closes the match on the engine's field (which also names the MVP) and starts the intro.
    virtual void init(GameBattleEngine* engine, ZelkBot* player, ZelkBot* opponent);

    // A damage counter (tenths of a percent) as the table shows it: whole percents, rounded up.
    static std::string percentText(int tenths);

    // ---- For tests ----
    int getTimer() const { return timer; }
    int getAutoFrames() const { return autoFrames; }

protected:
    // One side's row of the results table and, for a creature that fought, its statistics box.
    virtual void drawTableRow(int side, int row, int rowY, int slide, Zelkin* best);
    // The team ball panel of one side while the field's summary countdown runs.
    virtual void drawBallPanel(int side);

    GameBattleEngine* engine = nullptr;
    GameField* field = nullptr;
    ZelkBot* player = nullptr;
    ZelkBot* opponent = nullptr;
    Game_Options* options = nullptr;
    int autoFrames = 0;
    int timer = 0;
};
