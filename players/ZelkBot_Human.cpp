// The player at the keyboard as a battle participant.
#include "players/ZelkBot_Human.hpp"

#include "players/TrainerStats.hpp"

ZelkBot_Human::ZelkBot_Human() {
    controlledByBot = 0;
    name = "Dresseur";
    filePath = HUMAN_PATH;
    TrainerStats* stats = new TrainerStats(name, static_cast<int>(storedResults), 0, 1);
    stats->setCredo("Hello");
    replaceTrainerStats(stats);
}

ZelkBot_Human::~ZelkBot_Human() = default;
