// The journey's hidden last battle: a dark two-page introduction of the opponent, then the battle.
#pragma once

#include "scenes/Scene.hpp"

class ZelkBot;
class TeamBuilder;
class Game_Options;
class BattleInformations;

class SceneSecretBattle : public Scene {
public:
    static constexpr int PHASE_FRAMES = 50;

    SceneSecretBattle();
    // Deletes the battle record only if it never reached the battle (the battle's field owns it then).
    ~SceneSecretBattle() override;

    void handleInput() override;
    void update() override;
    void draw() override;
    virtual void init(TeamBuilder* teamBuilder, Game_Options* options, ZelkBot* player, ZelkBot* opponent,
                      BattleInformations* battleInformations);

    int getPhase() const { return phase; }
    int getTimer() const { return timer; }

protected:
    ZelkBot* player = nullptr;
    ZelkBot* opponent = nullptr;
    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    BattleInformations* battleInformations = nullptr;
    int phase = 0;
    int timer = 0;

private:
    bool battleStarted = false;
};
