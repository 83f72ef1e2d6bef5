// The battle screen: the team pick, then one battle frame by frame, then the results screen.
#pragma once

#include "scenes/Scene.hpp"

class TeamBuilder;
class Game_Options;
class ZelkBot;
class BattleInformations;
class GameField;
class GameBattleEngine;
class GameOrder;
class SelectTeam;
class Zelkin;
class ZelkinTeam;

// Side 0 is the player's side, the only one the keys can command; side 1 always follows its participant's
// decision maker. The screen owns the engine (which owns the field, which owns the battle information)
// and the two pick lists; the participants stay the creator's.
class Scene_Battle : public Scene {
public:
    // Result codes handed to the creator.
    static constexpr int RESULT_SIDE0_WON = 1;
    static constexpr int RESULT_SIDE1_WON = 2;
    static constexpr int RESULT_DRAW = 3;
    // Open menus of the player's side.
    static constexpr int MENU_COMMAND = 0;
    static constexpr int MENU_MOVES = 1;
    static constexpr int MENU_CREATURES = 2;
    static constexpr int MENU_FORFEIT = 3;
    static constexpr int PHASE_SELECTION = 0;
    static constexpr int PHASE_BATTLE = 1;

    Scene_Battle();
    // Waits for any decision still running for this battle, then deletes the pick lists and the engine.
    virtual ~Scene_Battle();

    void handleInput() override;
    void update() override;
    void draw() override;
    // `info` belongs to the battle's field from here on; the participants stay the caller's. A missing
    // participant (or one without any creature) finishes the screen at once with a draw.
    virtual void init(TeamBuilder* teamBuilder, Game_Options* options, ZelkBot* player, ZelkBot* opponent,
                      BattleInformations* info);

    // ---- Read by the creator's tests ----
    GameField* getField() const { return field; }
    GameBattleEngine* getEngine() const { return engine; }
    SelectTeam* getSelection(int side) const;
    int getPhase() const { return phase; }
    int getMenu() const { return menu; }
    int getCursor() const { return cursor; }
    int getLastMove() const { return lastMove; }
    int getBlinkCounter() const { return blinkCounter; }

protected:
    virtual void updateSelection();
    virtual void updateBattle();
    // Moves the picked creatures to the field's teams and starts the match.
    virtual void startMatch();
    // Asks a side's participant for its order and hands it to the field when the field can carry it out.
    virtual void collectOrder(int side);
    virtual bool isOrderAcceptable(int side, int request, GameOrder* order);
    // Hands one of the player's orders to the field (side 0).
    virtual void giveMoveOrder(int slot);
    virtual void giveSwitchOrder(int member);
    virtual void giveForfeitOrder();
    // Whether the player may send member i in now (switching open, present, standing, not active).
    virtual bool canSwitchTo(int member);
    virtual bool isChoiceOpen(int i);
    virtual void moveCreatureCursor(int step, bool down);
    virtual bool anyDecisionRunning();

    // Drawing, one part of the frame each.
    virtual void drawSelection();
    virtual void drawCrowd(bool step);
    virtual void drawFloor();
    virtual void drawFullPanels();
    virtual void drawPopups();
    virtual void drawBuffLists(bool waiting);
    virtual void drawBottom();
    virtual void drawMoveMenu();
    virtual void drawCreatureMenu();
    virtual void drawDebug();
    virtual void drawThinkingLogs();
    // 3 no member there, 2 knocked out, 1 with a status, 0 fit.
    virtual int ballKind(ZelkinTeam* team, int i);
    virtual bool isNarrowView();
    virtual int blinkPhase() const;

    bool pressed(int button);
    bool down(int button);

    GameField* field = nullptr;
    GameBattleEngine* engine = nullptr;
    SelectTeam* selections[2] = {nullptr, nullptr};
    ZelkBot* participants[2] = {nullptr, nullptr};
    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    int cursor = 0;
    int lastMove = 0;
    int phase = 0;
    int menu = 0;
    int blinkCounter = 0;
    // Set once the picked creatures belong to the field's teams (until then the pick lists hold them).
    bool teamsHandedOver = false;
};
