// The two things a team reads of its owner's career record.
// Kept behind functions so the team compiles without the participants' layer.
#pragma once

#include <string>

class TrainerStats;

// The owner's name; the empty text for no owner.
const std::string& trainerStatsName(const TrainerStats* stats);
// The owner's streak (wins in a row positive, losses negative); 0 for no owner.
int trainerStatsStreak(const TrainerStats* stats);
