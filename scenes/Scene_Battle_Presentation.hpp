// The "VS" opening of every battle: both trainers, their six creatures sliding in, the titles and fades.
#pragma once

#include "scenes/Scene.hpp"

class GameField;
class Game_Options;
class SelectTeam;
class ZelkBot;

// Lasts exactly OPENING_FRAMES drawn frames, reads no key and gives no result. Owns nothing.
class Scene_Battle_Presentation : public Scene {
public:
    static constexpr int OPENING_FRAMES = 130;

    Scene_Battle_Presentation();
    virtual ~Scene_Battle_Presentation();

    void handleInput() override;
    void update() override;
    void draw() override;
    // Warms the crowd up: +100 support for each side and ten steps of its movement.
    virtual void init(GameField* field, Game_Options* options, ZelkBot* player, ZelkBot* opponent,
                      SelectTeam* playerPick, SelectTeam* opponentPick);

    int getTimer() const { return timer; }

    // How far a member of the lineup still is from its resting place, t frames after it entered.
    static int slideOffset(int member, int t);
    // The alpha of the veil over the whole canvas for a timer value; black while fading in, white while
    // fading out, 0 when there is none.
    static int fadeAlpha(int timer, bool& white);

protected:
    virtual void drawLineup(SelectTeam* pick, int side);

    GameField* field = nullptr;
    SelectTeam* playerPick = nullptr;
    SelectTeam* opponentPick = nullptr;
    ZelkBot* player = nullptr;
    ZelkBot* opponent = nullptr;
    Game_Options* options = nullptr;
    int timer = 0;
};
