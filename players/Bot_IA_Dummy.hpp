// The random decision maker: moves and switches scored by chance.
#pragma once

#include "players/Bot_IA.hpp"

class Bot_IA_Dummy : public Bot_IA {
public:
    explicit Bot_IA_Dummy(int side);
    ~Bot_IA_Dummy() override;

    void think(GameBattleEngine* engine) override;

private:
    // A random member that can come in, -1 when none can.
    int chooseRandomSwitch(GameBattleEngine* engine);
};
