// A leaf of the tournament bracket: one participant, an entrant or the loser sent down from a match.
#pragma once

#include "scenes/TournoiBracket.hpp"

class PlayerBracket : public TournoiBracket {
public:
    PlayerBracket();
    ~PlayerBracket() override;

    // Borrowed: the bots belong to the roster.
    void setParticipant(ZelkBot* participant) override;
    ZelkBot* getWinner() override;
    // The participant's name alone, empty when there is none.
    std::string getLabel() override;

private:
    ZelkBot* participant = nullptr;
};
