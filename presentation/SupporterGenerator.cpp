// Seats the crowd: the four stands, the stadium's empty zones and the kinds of supporters.
#include "presentation/SupporterGenerator.hpp"

#include "presentation/GameWindow.hpp"
#include "presentation/Supporter.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Stadium.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"

namespace {
bool seatAllowed(Stadium* stadium, int column, int row) {
    return stadium == nullptr || stadium->isPositionAllowed(column, row);
}
} // namespace

SupporterGenerator::SupporterGenerator(int popularityA, int popularityB, Stadium* stadiumIn,
                                       TrainerList* kindsIn, GameWindow* window)
    : stadium(stadiumIn), kinds(kindsIn) {
    PseudoRNG rng;
    // The side stands cheer mostly for the side they flank.
    for (int i = 0; i < SIDE_COLUMNS; ++i) {
        for (int r = 0; r < GRID_ROWS; ++r) {
            int d = rng.random(100);
            if (seatAllowed(stadium, i, r) && d < popularityA + 10) {
                int s = rng.random(7);
                int side = s <= 4 ? 0 : s == 5 ? 2 : 1;
                leftSeats[i][r] = new Supporter(pickKind(), -6 + 32 * i, -6 + 32 * r, side, window);
            }
            d = rng.random(100);
            if (seatAllowed(stadium, i + 22, r) && d < popularityB + 10) {
                int s = rng.random(7);
                int side = s <= 4 ? 1 : s == 5 ? 2 : 0;
                rightSeats[i][r] = new Supporter(pickKind(), 698 + 32 * i, -6 + 32 * r, side, window);
            }
        }
    }
    // The stands above and below the field are shared by both sides.
    for (int c = 5; c <= 21; ++c) {
        for (int j = 0; j < BAND_ROWS; ++j) {
            int d = rng.random(200);
            if (seatAllowed(stadium, c, j) && d < popularityA + popularityB + 20) {
                int side = bandSide(rng);
                topSeats[c - 5][j] = new Supporter(pickKind(), -6 + 32 * c, -3 + 32 * j, side, window);
            }
            d = rng.random(200);
            if (seatAllowed(stadium, c, j + 11) && d < popularityA + popularityB + 20) {
                int side = bandSide(rng);
                bottomSeats[c - 5][j] = new Supporter(pickKind(), -6 + 32 * c, 343 + 32 * j, side, window);
            }
        }
    }
    if (kinds != nullptr) kinds->clearUsed();
}

SupporterGenerator::~SupporterGenerator() {
    for (int i = 0; i < SIDE_COLUMNS; ++i)
        for (int r = 0; r < GRID_ROWS; ++r) {
            delete leftSeats[i][r];
            delete rightSeats[i][r];
        }
    for (int c = 0; c < BAND_COLUMNS; ++c)
        for (int j = 0; j < BAND_ROWS; ++j) {
            delete topSeats[c][j];
            delete bottomSeats[c][j];
        }
}

int SupporterGenerator::bandSide(PseudoRNG& rng) {
    int s = rng.random(7);
    return s <= 2 ? 2 : s <= 4 ? 1 : 0;
}

int SupporterGenerator::pickKind() {
    PseudoRNG rng;
    int d = rng.random(100);
    int priority = stadium != nullptr ? stadium->getSupportersPriority() : 0;
    if (d < priority && stadium != nullptr && stadium->getIdCount() > 0) return stadium->pickRandomId();
    int s = rng.random(12);
    return sideKind(s == 0 ? 1 : 0);
}

int SupporterGenerator::sideKind(int side) {
    // The trainers' pictures double as supporter kinds: side 1 may draw the unique trainers too.
    Trainer* trainer = kinds != nullptr ? kinds->pickRandomTrainer(side != 0) : nullptr;
    return trainer != nullptr ? trainer->getId() : 1;
}

std::vector<Supporter*>* SupporterGenerator::collectSupporters() {
    std::vector<Supporter*>* crowd = new std::vector<Supporter*>();
    auto take = [crowd](Supporter*& seat) {
        if (seat != nullptr) crowd->push_back(seat);
        // Handed over: the generator no longer deletes it.
        seat = nullptr;
    };
    for (int r = 0; r < GRID_ROWS; ++r) {
        for (int i = 0; i < SIDE_COLUMNS; ++i) {
            take(leftSeats[i][r]);
            take(rightSeats[i][r]);
        }
        if (r < BAND_ROWS) {
            for (int c = 0; c < BAND_COLUMNS; ++c) {
                take(topSeats[c][r]);
                take(bottomSeats[c][r]);
            }
        }
    }
    return crowd;
}

std::vector<BattleSupporter*>* newBattleCrowd(int popularityA, int popularityB, Stadium* stadium,
                                              TrainerList* kinds, WindowServices* window) {
    SupporterGenerator generator(popularityA, popularityB, stadium, kinds, dynamic_cast<GameWindow*>(window));
    std::vector<Supporter*>* seated = generator.collectSupporters();
    std::vector<BattleSupporter*>* crowd = new std::vector<BattleSupporter*>(seated->begin(), seated->end());
    delete seated;
    return crowd;
}
