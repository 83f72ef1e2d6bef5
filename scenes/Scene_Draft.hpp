// The team draft: six times, one creature out of four offered, with the gaps of the team so far.
#pragma once

#include "scenes/Scene.hpp"

class ZelkBot;
class TeamBuilder;
class Game_Options;
class TeamAnalyzer;
class Zelkin;

class Scene_Draft : public Scene {
public:
    static constexpr int OFFER_SIZE = 4;
    // Cursor 0..3 is on the offer, 4..9 on the player's team slots 0..5.
    static constexpr int FIRST_TEAM_CELL = 4;
    static constexpr int CELL_COUNT = 10;

    Scene_Draft();
    // Deletes the creatures still on offer and the analyser.
    ~Scene_Draft() override;

    void handleInput() override;
    void update() override;
    void draw() override;
    virtual void init(ZelkBot* player, TeamBuilder* teamBuilder, Game_Options* options);

    int getCursor() const { return cursor; }
    Zelkin* getProposal(int i) const { return i >= 0 && i < OFFER_SIZE ? proposals[i] : nullptr; }
    TeamAnalyzer* getAnalyzer() const { return analyzer; }

protected:
    // Enter on an offered creature: it joins the team, then the next offer is made.
    virtual void pick(int position);
    virtual void makeNextOffer();
    // The creature under the cursor: a proposal or a team member; null on an empty cell.
    virtual Zelkin* creatureUnderCursor();

    ZelkBot* player = nullptr;
    TeamBuilder* teamBuilder = nullptr;
    Game_Options* options = nullptr;
    TeamAnalyzer* analyzer = nullptr;
    Zelkin* proposals[OFFER_SIZE] = {};
    int cursor = 0;
    int animCounter = 0;
};
