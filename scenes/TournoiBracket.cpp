// One match of the tournament bracket: two sides below it, where its loser goes, and how it ended.
#include "scenes/TournoiBracket.hpp"

#include "players/ZelkBot.hpp"

TournoiBracket::TournoiBracket(TournoiBracket* first, TournoiBracket* second, PlayerBracket* loser)
    : firstSide(first), secondSide(second), loserLeaf(loser) {}

TournoiBracket::~TournoiBracket() = default;

void TournoiBracket::setParticipant(ZelkBot*) {}

ZelkBot* TournoiBracket::getWinner() {
    if (state == STATE_FIRST_WON) return firstSide ? firstSide->getWinner() : nullptr;
    if (state == STATE_SECOND_WON) return secondSide ? secondSide->getWinner() : nullptr;
    return nullptr;
}

std::string TournoiBracket::nameOf(ZelkBot* participant) {
    std::string name;
    if (participant) participant->getName(name);
    return name;
}

std::string TournoiBracket::getLabel() {
    return nameOf(firstSide ? firstSide->getWinner() : nullptr) + "\nVS\n" +
           nameOf(secondSide ? secondSide->getWinner() : nullptr);
}
