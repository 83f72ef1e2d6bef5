// One match of the tournament bracket: two sides below it, where its loser goes, and how it ended.
#pragma once

#include <string>

class ZelkBot;
class PlayerBracket;

// A match node asks the nodes below it for its participants, so the later matches of the bracket fill in
// by themselves as results arrive. Nothing here owns anything: the tournament screen owns every node and
// leaf, the roster owns the bots.
class TournoiBracket {
public:
    static constexpr int STATE_OPEN = 0;
    static constexpr int STATE_FIRST_WON = 1;
    static constexpr int STATE_SECOND_WON = 2;
    static constexpr int STATE_DRAW = 3;

    // Either side may be null (a leaf has none; a missing side contributes no participant).
    TournoiBracket(TournoiBracket* first = nullptr, TournoiBracket* second = nullptr,
                   PlayerBracket* loserLeaf = nullptr);
    TournoiBracket(const TournoiBracket&) = delete;
    TournoiBracket& operator=(const TournoiBracket&) = delete;
    virtual ~TournoiBracket();

    // Only a leaf holds a participant; a match node ignores it.
    virtual void setParticipant(ZelkBot* participant);
    // The participant who won this match, found through the nodes below; null while open or after a draw.
    virtual ZelkBot* getWinner();
    // "first name\nVS\nsecond name", an undecided side giving an empty name.
    virtual std::string getLabel();

    TournoiBracket* getFirstSide() const { return firstSide; }
    TournoiBracket* getSecondSide() const { return secondSide; }
    PlayerBracket* getLoserLeaf() const { return loserLeaf; }
    int getState() const { return state; }
    void setState(int value) { state = value; }

protected:
    // The name shown for a participant: empty for none.
    static std::string nameOf(ZelkBot* participant);

    TournoiBracket* firstSide = nullptr;
    TournoiBracket* secondSide = nullptr;
    PlayerBracket* loserLeaf = nullptr;
    int state = STATE_OPEN;
};
