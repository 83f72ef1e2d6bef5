// The team draft: the offers and what is carried over, the picks, the cursor and the team's gaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "JourneySupport.hpp"
#include "players/ZelkBot_Human.hpp"
#include "rules/Ruleset.hpp"
#include "rules/TeamAnalyzer.hpp"
#include "scenes/Scene_Draft.hpp"

namespace {

struct DraftScreen {
    DraftScreen() {
        screen.controler = &world.keys.controler;
        screen.init(&player, world.builder, world.options);
    }
    void press(std::initializer_list<sf::Keyboard::Key> pressed) { tap(world.keys, screen, pressed); }
    std::vector<Zelkin*> offer() const {
        std::vector<Zelkin*> creatures;
        for (int i = 0; i < Scene_Draft::OFFER_SIZE; ++i)
            creatures.push_back(screen.getProposal(i));
        return creatures;
    }
    // Moves the cursor onto an offered position from the first one.
    void pickAt(int position) {
        for (int i = 0; i < position; ++i)
            press({sf::Keyboard::Right});
        ASSERT_EQ(screen.getCursor(), position);
        press({sf::Keyboard::Return});
    }
    JourneyWorld world;
    ZelkBot_Human player;
    Scene_Draft screen;
};

TEST(DraftScene, EachOfferCarriesOneCreatureOverAndNoSpeciesComesTwice) {
    DraftScreen s;
    std::set<int> seen;
    std::vector<Zelkin*> offer = s.offer();
    for (Zelkin* creature : offer) {
        ASSERT_NE(creature, nullptr);
        seen.insert(creature->getNumber());
    }
    for (int pick = 0; pick < 5; ++pick) {
        SCOPED_TRACE(pick);
        int position = pick % 4;
        if (s.screen.getCursor() >= Scene_Draft::FIRST_TEAM_CELL) s.press({sf::Keyboard::Up});
        while (s.screen.getCursor() != 0)
            s.press({sf::Keyboard::Left});
        s.pickAt(position);
        EXPECT_EQ(s.player.countMembers(), pick + 1);
        EXPECT_EQ(s.player.getMember(pick), offer[position]);
        std::vector<Zelkin*> next = s.offer();
        // Position 0 is one of the creatures left over, from the second pick on one of the newer three.
        auto left = std::find(offer.begin() + (pick == 0 ? 0 : 1), offer.end(), next[0]);
        EXPECT_NE(left, offer.end());
        EXPECT_NE(next[0], offer[position]);
        for (int i = 1; i < 4; ++i) {
            ASSERT_NE(next[i], nullptr);
            EXPECT_TRUE(seen.insert(next[i]->getNumber()).second) << "species offered twice";
        }
        offer = next;
    }
}

TEST(DraftScene, SixthPickEndsTheOffersAndEnterThenFinishes) {
    DraftScreen s;
    for (int pick = 0; pick < 6; ++pick)
        s.press({sf::Keyboard::Return});
    // Enter at position 0 always finds a creature there: carried over or new.
    EXPECT_EQ(s.player.countMembers(), 6);
    for (Zelkin* creature : s.offer())
        EXPECT_EQ(creature, nullptr);
    EXPECT_EQ(s.screen.getCursor(), Scene_Draft::FIRST_TEAM_CELL);
    // With a full team Up and Down do nothing; Left and Right wrap round the team slots.
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getCursor(), 4);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getCursor(), 9);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getCursor(), 4);
    EXPECT_TRUE(s.screen.isAlive());
    EXPECT_GT(s.world.builder->countUsed(), 0);
    s.press({sf::Keyboard::Return});
    EXPECT_FALSE(s.screen.isAlive());
    EXPECT_EQ(s.screen.getResult(), 0);
    EXPECT_EQ(s.world.builder->countUsed(), 0);
}

TEST(DraftScene, CursorSkipsEmptyTeamSlotsAndRowsSwitchOnlyMidDraft) {
    DraftScreen s;
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getCursor(), 0);
    // Left from the first offer lands on the last team slot, which is empty: back to the offer's end.
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getCursor(), 3);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getCursor(), 0);
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getCursor(), 4);
    // Enter on the team row of an incomplete team picks nothing.
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.player.countMembers(), 1);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getCursor(), 0);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getCursor(), 4);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getCursor(), 0);
}

TEST(DraftScene, GapsOnlyEverShrink) {
    DraftScreen s;
    int types = s.world.parser->countTypes();
    ASSERT_GT(types, 1);
    std::vector<int> offensive(types, 0), defensive(types, 0);
    for (int pick = 0; pick < 6; ++pick) {
        s.press({sf::Keyboard::Return});
        for (int t = 0; t < types; ++t) {
            int o = s.screen.getAnalyzer()->getOffensiveFlag(t);
            int d = s.screen.getAnalyzer()->getDefensiveFlag(t);
            EXPECT_TRUE(offensive[t] == 0 || o != 0) << "offensive gap came back for type " << t;
            EXPECT_TRUE(defensive[t] == 0 || d != 0) << "defensive gap came back for type " << t;
            offensive[t] = o;
            defensive[t] = d;
        }
    }
}

TEST(DraftScene, AnEmptyPoolNeverHangsTheOffer) {
    DraftScreen s;
    // A ruleset that admits nobody: the draft goes on with empty offers instead of drawing forever.
    Ruleset* strict = s.world.parser->getRulesetAt(1);
    ASSERT_NE(strict, nullptr);
    int savedMax = strict->maxSumStats;
    strict->maxSumStats = 0;
    s.world.parser->selectRuleset(1);
    ASSERT_EQ(s.world.parser->countAllowedSpecies(), 0);
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.player.countMembers(), 2);
    EXPECT_EQ(s.offer()[1], nullptr);
    strict->maxSumStats = savedMax;
}

} // namespace
