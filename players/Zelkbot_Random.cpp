// A computer trainer made on the fly by a game mode; it has no file and belongs to whoever made it.
#include "players/Zelkbot_Random.hpp"

#include "players/TrainerStats.hpp"

Zelkbot_Random::Zelkbot_Random(GameParser* database) {
    parser = database;
    controlledByBot = 1;
    name = "Dresseur";
    filePath.clear();
    TrainerStats* stats = new TrainerStats(name, static_cast<int>(storedResults), 0, 1);
    stats->setCredo("Bonne chance !");
    replaceTrainerStats(stats);
}

Zelkbot_Random::~Zelkbot_Random() = default;
