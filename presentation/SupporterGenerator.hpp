// Fills the stands of a stadium with supporters once, when a battle field is built.
#pragma once

#include <vector>

class BattleSupporter;
class GameWindow;
class PseudoRNG;
class Stadium;
class Supporter;
class TrainerList;
class WindowServices;

class SupporterGenerator {
public:
    static const int GRID_COLUMNS = 27;
    static const int GRID_ROWS = 15;
    static const int SIDE_COLUMNS = 5;
    static const int BAND_COLUMNS = 17;
    static const int BAND_ROWS = 4;

    // Fills every seat the stadium allows, by the popularity of each side; the kind source gives the
    // sides' supporter kinds and is told once when the filling is over. Any pointer may be null.
    SupporterGenerator(int popularityA, int popularityB, Stadium* stadium, TrainerList* kinds,
                       GameWindow* window);
    // Deletes the supporters that were never collected.
    virtual ~SupporterGenerator();
    // A supporter kind: mostly one of the stadium's own, else one of the sides' kinds.
    virtual int pickKind();
    // A new list of every placed supporter, handed over with the list; later calls give an empty list.
    virtual std::vector<Supporter*>* collectSupporters();

private:
    int sideKind(int side);
    // The side a supporter of the top or bottom stand cheers for.
    static int bandSide(PseudoRNG& rng);

    Stadium* stadium;
    TrainerList* kinds;
    Supporter* leftSeats[SIDE_COLUMNS][GRID_ROWS] = {};
    Supporter* rightSeats[SIDE_COLUMNS][GRID_ROWS] = {};
    Supporter* topSeats[BAND_COLUMNS][BAND_ROWS] = {};
    Supporter* bottomSeats[BAND_COLUMNS][BAND_ROWS] = {};
};

// The battle's factory entry: the crowd for one battle, never null, owned by the caller.
std::vector<BattleSupporter*>* newBattleCrowd(int popularityA, int popularityB, Stadium* stadium,
                                              TrainerList* kinds, WindowServices* window);
