// The crowd: seats on the stands, no-go zones, supporter kinds and priorities, facings and jumps.
#include <gtest/gtest.h>

#include <SFML/Graphics.hpp>

#include "presentation/Supporter.hpp"
#include "presentation/SupporterGenerator.hpp"
#include "rules/Stadium.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"
#include "tests/TestSupport.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

// Takes the generator's crowd and frees it at the end of the test.
struct Crowd {
    explicit Crowd(SupporterGenerator& generator) : members(generator.collectSupporters()) {}
    ~Crowd() {
        for (Supporter* supporter : *members)
            delete supporter;
        delete members;
    }
    int countInRect(int x1, int y1, int x2, int y2) const {
        int n = 0;
        for (Supporter* s : *members)
            if (s->getX() >= x1 && s->getX() <= x2 && s->getY() >= y1 && s->getY() <= y2) ++n;
        return n;
    }
    std::vector<Supporter*>* members;
};

class CrowdWorld : public ::testing::Test {
protected:
    CrowdWorld() : stadium("Arene", "arene.png", 20) { trainers.add(new Trainer(3, false, "Anna", "")); }
    Stadium stadium;
    TrainerList trainers;
};

TEST_F(CrowdWorld, FullPopularityFillsEveryAllowedSeatInCollectOrder) {
    SupporterGenerator generator(90, 90, &stadium, &trainers, nullptr);
    Crowd crowd(generator);
    // 2 x 5 x 15 side seats and 2 x 17 x 4 seats above and below.
    ASSERT_EQ(crowd.members->size(), 150u + 136u);
    const std::vector<Supporter*>& m = *crowd.members;
    // Row 0: (left, right) pairs by column, then the top and bottom bands' pairs.
    EXPECT_EQ(m[0]->getX(), -6);
    EXPECT_EQ(m[0]->getY(), -6);
    EXPECT_EQ(m[1]->getX(), 698);
    EXPECT_EQ(m[2]->getX(), 26);
    EXPECT_EQ(m[9]->getX(), 698 + 128);
    EXPECT_EQ(m[10]->getX(), 154);
    EXPECT_EQ(m[10]->getY(), -3);
    EXPECT_EQ(m[11]->getX(), 154);
    EXPECT_EQ(m[11]->getY(), 343);
    EXPECT_EQ(m[12]->getX(), 186);
    // Row 1 starts after the 10 side seats and 34 band seats of row 0.
    EXPECT_EQ(m[44]->getX(), -6);
    EXPECT_EQ(m[44]->getY(), 26);
    EXPECT_EQ(m[54]->getY(), 29);
    EXPECT_EQ(m[55]->getY(), 375);
    // Rows 4 to 14 have side seats only; the last is the right stand's bottom-right seat.
    EXPECT_EQ(m.back()->getX(), 826);
    EXPECT_EQ(m.back()->getY(), -6 + 32 * 14);
    // Handed over: a second collection is empty.
    std::vector<Supporter*>* again = generator.collectSupporters();
    EXPECT_TRUE(again->empty());
    delete again;
}

TEST_F(CrowdWorld, NoGoZonesStayEmptyWhateverThePopularity) {
    stadium.addNoGoZone("0,0,4,14");   // the whole left stand
    stadium.addNoGoZone("5,11,21,12"); // two bottom rows
    stadium.addNoGoZone("22,3,22,3");  // one right seat
    SupporterGenerator generator(500, 500, &stadium, &trainers, nullptr);
    Crowd crowd(generator);
    EXPECT_EQ(crowd.countInRect(-6, -6, 122, 442), 0);
    EXPECT_EQ(crowd.countInRect(154, 343, 666, 375), 0);
    EXPECT_EQ(crowd.countInRect(154, 407, 666, 439), 34);
    EXPECT_EQ(crowd.countInRect(698, 90, 698, 90), 0);
    EXPECT_EQ(crowd.countInRect(698, -6, 826, 442), 74);
}

// Blocks every cell but (0, 0), so one seat takes its draws in a known order.
void keepOnlyFirstSeat(Stadium& stadium) {
    stadium.addNoGoZone("1,0,26,14");
    stadium.addNoGoZone("0,1,0,14");
}

TEST_F(CrowdWorld, ASeatNeedsADrawBelowItsPopularityPlusTen) {
    keepOnlyFirstSeat(stadium);
    // Popularity 5: the left seat is taken for a draw of 14, not for one of 15.
    for (auto [draw, seated] : std::vector<std::pair<int, size_t>>{{14, 1u}, {15, 0u}}) {
        ScriptedRandom draws({draw});
        SupporterGenerator generator(5, 0, &stadium, &trainers, nullptr);
        Crowd crowd(generator);
        EXPECT_EQ(crowd.members->size(), seated) << draw;
    }
}

TEST_F(CrowdWorld, StadiumKindsWinBelowTheirPriority) {
    keepOnlyFirstSeat(stadium);
    stadium.setSupporters("7,9", 80);
    // Seat d 0, side draw 6 (cheers for side 1), kind d 79 < 80, id position 1, then cooldown,
    // threshold and tint.
    ScriptedRandom draws({0, 6, 79, 1, 12, 34, 5});
    SupporterGenerator generator(0, 0, &stadium, &trainers, nullptr);
    Crowd crowd(generator);
    ASSERT_EQ(crowd.members->size(), 1u);
    Supporter* s = crowd.members->front();
    EXPECT_EQ(s->getKind(), 9);
    EXPECT_EQ(s->getSide(), 1);
    EXPECT_EQ(s->getCooldown(), 12);
    EXPECT_EQ(s->getThreshold(), 34);
    EXPECT_EQ(s->getTint(), 5);
    EXPECT_EQ(s->getFacing(), 1);
}

TEST_F(CrowdWorld, AbovePriorityTheSidesKindsAreUsed) {
    keepOnlyFirstSeat(stadium);
    stadium.setSupporters("7", 80);
    // Kind d 80 is not below the priority: the side draw 5 gives side 0's kind (the trainer's id).
    ScriptedRandom draws({0, 5, 80, 5});
    SupporterGenerator generator(0, 0, &stadium, &trainers, nullptr);
    Crowd crowd(generator);
    ASSERT_EQ(crowd.members->size(), 1u);
    EXPECT_EQ(crowd.members->front()->getKind(), 3);
    EXPECT_EQ(crowd.members->front()->getSide(), 2);
}

TEST_F(CrowdWorld, NothingToChooseFromStillSeatsTheCrowd) {
    // No stadium kinds, no trainers, no stadium at all: kind 1, and nothing fails.
    TrainerList empty;
    SupporterGenerator generator(90, 90, nullptr, &empty, nullptr);
    Crowd crowd(generator);
    EXPECT_EQ(crowd.members->size(), 286u);
    EXPECT_EQ(crowd.members->front()->getKind(), 1);
    std::vector<BattleSupporter*>* none = newBattleCrowd(0, 0, nullptr, nullptr, nullptr);
    for (BattleSupporter* s : *none)
        delete s;
    delete none;
}

TEST_F(CrowdWorld, UncollectedSupportersAreFreedWithTheGenerator) {
    // Leak-checked by the sanitizer build.
    SupporterGenerator generator(90, 90, &stadium, &trainers, nullptr);
}

TEST(Supporter, FacingLooksTowardsTheField) {
    EXPECT_EQ(Supporter::facingForSeat(-6, 218), 1);
    EXPECT_EQ(Supporter::facingForSeat(826, 218), 2);
    EXPECT_EQ(Supporter::facingForSeat(154, -3), 0);
    EXPECT_EQ(Supporter::facingForSeat(154, 439), 3);
    // The stands meet along the canvas diagonals.
    EXPECT_EQ(Supporter::facingForSeat(122, 442), 3);
    EXPECT_EQ(Supporter::facingForSeat(-6, 442), 1);
    EXPECT_EQ(Supporter::facingForSeat(-6, -6), 1);
    EXPECT_EQ(Supporter::facingForSeat(826, 442), 2);
}

// A supporter of side 0 with the given cooldown and threshold (tint 0).
Supporter* makeSupporter(int side, int cooldown, int threshold) {
    ScriptedRandom draws({cooldown, threshold, 0});
    return new Supporter(1, -6, 218, side, nullptr);
}

TEST(Supporter, ExcitementAboveThresholdStartsTheCountdownThenTheJump) {
    std::unique_ptr<Supporter> s(makeSupporter(0, 3, 20));
    // Equal to the threshold: nothing starts.
    s->updateJump(20, 999);
    EXPECT_EQ(s->getCountdown(), 0);
    EXPECT_FALSE(s->isJumping());
    s->updateJump(21, 0);
    EXPECT_EQ(s->getCountdown(), 3);
    s->updateJump(21, 0);
    s->updateJump(21, 0);
    EXPECT_FALSE(s->isJumping());
    s->updateJump(21, 0);
    EXPECT_TRUE(s->isJumping());
    // On the ground while jumping: speed (e - threshold) div 18 + 2, capped at 6.
    for (int i = 0; i < 30; ++i) {
        s->updateJump(1000, 0);
        EXPECT_LE(s->getSpeed(), 6);
        EXPECT_GE(s->getHeight(), 0);
    }
    // Equal to the threshold does not stop the jump; below it does.
    s->updateJump(20, 0);
    EXPECT_TRUE(s->isJumping());
    s->updateJump(19, 0);
    EXPECT_FALSE(s->isJumping());
}

TEST(Supporter, JumpHeightFollowsTheSpeedAndTheSpeedBottomsOut) {
    std::unique_ptr<Supporter> s(makeSupporter(1, 1, 0));
    s->updateJump(0, 37); // countdown 1
    s->updateJump(0, 37); // starts jumping this frame; speed still falling from 0
    ASSERT_TRUE(s->isJumping());
    s->updateJump(0, 37); // on the ground: speed 37 div 18 + 2 = 4, height 4
    EXPECT_EQ(s->getHeight(), 4);
    EXPECT_EQ(s->getScreenY(), 218 - 4);
    EXPECT_EQ(s->getSpeed(), 3);
    for (int i = 0; i < 40; ++i)
        s->updateJump(0, -1); // calm: stops jumping and falls
    EXPECT_EQ(s->getHeight(), 0);
    EXPECT_EQ(s->getSpeed(), -10);
}

TEST(Supporter, SidesTwoCheersForBoth) {
    std::unique_ptr<Supporter> s(makeSupporter(2, 5, 30));
    s->updateJump(16, 15);
    EXPECT_EQ(s->getCountdown(), 5);
}

TEST(Supporter, SpriteIsFramedAndTintedFromTheWindow) {
    ScratchDir dir;
    writeBandsPng("img/supporters.png",
                  {sf::Color::White, sf::Color::White, sf::Color::White, sf::Color::White}, 16, 64);
    GameWindow window;
    // Tint 2 is red: (255, 82, 82).
    ScriptedRandom draws({0, 0, 2});
    Supporter s(3, 154, 439, 0, &window);
    ASSERT_NE(s.getSprite(), nullptr);
    EXPECT_EQ(s.getSprite()->getTextureRect(), sf::IntRect(48, 32, 16, 16));
    EXPECT_EQ(s.getSprite()->getColor(), sf::Color(255, 82, 82));
    EXPECT_EQ(s.getSprite()->getScale(), sf::Vector2f(2.f, 2.f));
    // Turning draws a new tint; 8 leaves the picture as drawn.
    {
        ScriptedRandom turn({8});
        s.setFacing(1, &window);
    }
    EXPECT_EQ(s.getFacing(), 1);
    EXPECT_EQ(s.getSprite()->getTextureRect(), sf::IntRect(16, 32, 16, 16));
    EXPECT_EQ(s.getSprite()->getColor(), sf::Color::White);
}

} // namespace
