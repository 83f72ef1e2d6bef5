// A leaf of the tournament bracket: one participant, an entrant or the loser sent down from a match.
#include "scenes/PlayerBracket.hpp"

PlayerBracket::PlayerBracket() = default;

PlayerBracket::~PlayerBracket() = default;

void PlayerBracket::setParticipant(ZelkBot* bot) { participant = bot; }

ZelkBot* PlayerBracket::getWinner() { return participant; }

std::string PlayerBracket::getLabel() { return nameOf(participant); }
