// A computer trainer made on the fly by a game mode; it has no file and belongs to whoever made it.
#pragma once

#include "players/ZelkBot.hpp"

class Zelkbot_Random : public ZelkBot {
public:
    explicit Zelkbot_Random(GameParser* parser);
    ~Zelkbot_Random() override;
};
