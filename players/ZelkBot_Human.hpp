// The player at the keyboard as a battle participant.
#pragma once

#include "players/ZelkBot.hpp"

class ZelkBot_Human : public ZelkBot {
public:
    ZelkBot_Human();
    ~ZelkBot_Human() override;
};
