// The process-wide record of the objects the whole run shares; it owns none of them.
#pragma once

class GameParser;
class GameControler;
class Game_Options;
class BotList;
class WindowServices;
class TeamBuilder;
class ParticleEngine;

class GameBundle {
public:
    virtual ~GameBundle() = default;

    GameParser* parser = nullptr;
    GameControler* controler = nullptr;
    Game_Options* options = nullptr;
    BotList* botList = nullptr;
    WindowServices* window = nullptr;
    TeamBuilder* teamBuilder = nullptr;
    ParticleEngine* particleEngine = nullptr;
};

// The one bundle, created before main and never destroyed during the run.
extern GameBundle* gameBundle;
