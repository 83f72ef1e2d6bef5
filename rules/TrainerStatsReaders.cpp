// Owner readers of a team. The career record does not exist yet: until the participants' layer brings
// TrainerStats, every owner reads as having no name and no streak. Replace these bodies with calls to
// TrainerStats::getName and TrainerStats::getStreak (keeping the null checks) when it lands.
#include "rules/TrainerStatsReaders.hpp"

std::string trainerStatsName(const TrainerStats* stats) {
    if (stats == nullptr) return std::string();
    return std::string();
}

int trainerStatsStreak(const TrainerStats* stats) {
    if (stats == nullptr) return 0;
    return 0;
}
