// Owner readers of a team: the name and streak of the participant's career record.
#include "rules/TrainerStatsReaders.hpp"

#include "players/TrainerStats.hpp"

const std::string& trainerStatsName(const TrainerStats* stats) {
    static const std::string noName;
    if (stats == nullptr) return noName;
    return stats->getName();
}

int trainerStatsStreak(const TrainerStats* stats) {
    if (stats == nullptr) return 0;
    return stats->getStreak();
}
