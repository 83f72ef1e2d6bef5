// The tournament bracket: eight roster bots in a double-elimination bracket, one battle at a time.
#pragma once

#include "scenes/Scene.hpp"

class TeamBuilder;
class Game_Options;
class BotList;
class TournoiBracket;
class PlayerBracket;

// The roster's own bots fight here (not copies), so each battle rewrites their files. The screen owns
// every node and leaf of the bracket; it never deletes a bot.
class Scene_Tournament : public Scene {
public:
    static constexpr int ENTRANTS = 8;
    static constexpr int LOSER_LEAVES = 7;
    static constexpr int NODE_SLOTS = 16;
    static constexpr int FIXED_MATCHES = 14;
    static constexpr int GRAND_FINAL = 13;
    static constexpr int RESET_MATCH = 14;
    // The champion leaf's slot, and the current match once the tournament is over.
    static constexpr int CHAMPION = 15;

    Scene_Tournament();
    // Deletes the sixteen slots, the entrants and the loser leaves; the bots stay the roster's.
    virtual ~Scene_Tournament();

    void update() override;
    void draw() override;
    // Draws eight distinct bots of the roster. A roster of fewer than eight cannot fill the bracket: the
    // screen then only says so and leaves on the next key.
    virtual void init(TeamBuilder* teamBuilder, Game_Options* options, BotList* roster);

    // ---- For tests ----
    TournoiBracket* getNode(int slot) const;
    PlayerBracket* getEntrant(int i) const;
    PlayerBracket* getLoserLeaf(int i) const;
    int getCurrentMatch() const { return currentMatch; }
    bool hasBracket() const { return bracketReady; }
    // The round handed to the battle of a match: 8 from the grand final on, 7 for matches 10 and 12.
    static int roundOfMatch(int match);

protected:
    // Pushes the battle of the current match; a match short of a participant is settled at once.
    virtual void playMatch();
    // Books the result of the match just played and moves the bracket on.
    virtual void takeResult(int outcome);
    virtual void buildBracket(BotList* roster);

    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    TournoiBracket* nodes[NODE_SLOTS] = {};
    PlayerBracket* entrants[ENTRANTS] = {};
    PlayerBracket* loserLeaves[LOSER_LEAVES] = {};
    int currentMatch = 0;
    int rosterSize = 0;
    bool bracketReady = false;
};
