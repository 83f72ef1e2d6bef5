// The simulating decision maker: plays each candidate order on copies of the battle and keeps the best.
#pragma once

#include "players/Bot_IA.hpp"

class Bot_IA_Simul : public Bot_IA {
public:
    explicit Bot_IA_Simul(int side);
    ~Bot_IA_Simul() override;

    void think(GameBattleEngine* engine) override;

private:
    // The evaluation after playing the order out on a fresh copy of the engine.
    float simulate(GameBattleEngine* engine, GameOrder& trial);
    // The replacement member chosen by simulation, -1 when none can come in.
    int chooseReplacement(GameBattleEngine* engine, int level);
};
