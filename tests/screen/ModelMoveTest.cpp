// Figure moves: phase tables after the figure's two set-ups, and each kind's frame-by-frame offsets.
#include <gtest/gtest.h>

#include <SFML/Graphics/Transform.hpp>
#include <algorithm>
#include <cmath>
#include <memory>

#include "presentation/ModelMove.hpp"
#include "presentation/ModelMoveBlank.hpp"
#include "presentation/ModelMoveDamage.hpp"
#include "presentation/ModelMoveDamageKO.hpp"
#include "presentation/ModelMoveDodge.hpp"
#include "presentation/ModelMoveHeavyDamage.hpp"
#include "presentation/ModelMoveHeavyKO.hpp"
#include "presentation/ModelMoveLightDamage.hpp"
#include "presentation/ModelMovePhysicCharge.hpp"
#include "presentation/ModelMoveRoar.hpp"
#include "presentation/ModelMoveSpecialStrike.hpp"
#include "presentation/ModelMoveTremble.hpp"
#include "presentation/ModelMoveTrembleKO.hpp"
#include "tests/TestSupport.hpp"

namespace {

const int PIVOT_X = 200;
const int PIVOT_Y = 150;
const int BASE_Y = 180;

ModelMove* newMove(int kind, int facing) {
    switch (kind) {
    case 1:
        return new ModelMoveRoar(PIVOT_X, PIVOT_Y, facing);
    case 2:
        return new ModelMoveDamage(PIVOT_X, PIVOT_Y, facing);
    case 3:
        return new ModelMoveLightDamage(PIVOT_X, PIVOT_Y, facing);
    case 4:
        return new ModelMoveHeavyDamage(PIVOT_X, PIVOT_Y, facing);
    case 5:
        return new ModelMoveTremble(PIVOT_X, PIVOT_Y, facing);
    case 6:
        return new ModelMoveDamageKO(PIVOT_X, PIVOT_Y, facing);
    case 7:
        return new ModelMoveTrembleKO(PIVOT_X, PIVOT_Y, facing);
    case 8:
        return new ModelMoveHeavyKO(PIVOT_X, PIVOT_Y, facing);
    case 9:
        return new ModelMovePhysicCharge(PIVOT_X, PIVOT_Y, facing);
    case 10:
        return new ModelMoveSpecialStrike(PIVOT_X, PIVOT_Y, facing);
    case 11:
        return new ModelMoveDodge(PIVOT_X, PIVOT_Y, facing);
    default:
        return new ModelMoveBlank(PIVOT_X, PIVOT_Y, facing);
    }
}

// Set up as a figure does it: construct, then feet line, size and personality (the second set-up).
std::unique_ptr<ModelMove> figureMove(int kind, int personality, int facing, int size = 100, int random = 0) {
    ScriptedRandom draws({random});
    std::unique_ptr<ModelMove> move(newMove(kind, facing));
    move->setBaseY(BASE_Y);
    move->setSize(size);
    move->setPersonality(personality);
    return move;
}

struct Frame {
    int x, y, h;
    bool running;
};

std::vector<Frame> play(ModelMove& move, int frames) {
    std::vector<Frame> out;
    for (int i = 0; i < frames; ++i) {
        if (move.isRunning()) move.step();
        out.push_back({move.getXOffset(), move.getYOffset(), move.getHeight(), move.isRunning()});
    }
    return out;
}

std::vector<int> xs(const std::vector<Frame>& frames) {
    std::vector<int> v;
    for (const Frame& f : frames)
        v.push_back(f.x);
    return v;
}

std::vector<int> hs(const std::vector<Frame>& frames) {
    std::vector<int> v;
    for (const Frame& f : frames)
        v.push_back(f.h);
    return v;
}

std::vector<int> first(const std::vector<int>& values, size_t n) {
    return std::vector<int>(values.begin(), values.begin() + static_cast<long>(std::min(n, values.size())));
}

// The turning of a transform, in degrees, read from its matrix.
float angleOf(const sf::Transform& t) {
    const float* m = t.getMatrix();
    return std::atan2(m[1], m[0]) * 180.f / 3.14159265f;
}

struct PhaseRow {
    int kind, personality, size;
    int marks[5]; // -1: not checked
    int amplitudeFacing1, amplitudeFacing0;
    int extraIndex, extraValue; // extraIndex -1: none
};

} // namespace

TEST(ModelMovePhases, TablesAfterBothSetUpsForEveryKind) {
    const PhaseRow rows[] = {
        {2, 1, 100, {3, 15, 18, -1, -1}, 30, -30, -1, 0},
        {2, 0, 100, {3, 15, 18, -1, -1}, 0, 0, -1, 0},
        {3, 1, 100, {3, 9, 12, -1, -1}, 15, -15, -1, 0},
        {3, 5, 100, {3, 9, 12, -1, -1}, 0, 0, -1, 0},
        // Moles, snakes and fish keep the first set-up's amplitude, turned over twice for facing 0.
        {4, 1, 100, {5, 20, 25, -1, -1}, 30, -30, -1, 0},
        {4, 2, 100, {5, 20, 25, -1, -1}, -10, -10, -1, 0},
        {4, 3, 50, {5, 20, 25, -1, -1}, -10, -10, -1, 0},
        {4, 6, 50, {5, 20, 25, -1, -1}, -10, 10, -1, 0},
        {4, 0, 100, {5, 20, 25, -1, -1}, -10, 10, -1, 0},
        {4, 0, 50, {5, 20, 25, -1, -1}, 15, -15, -1, 0},
        {5, 1, 100, {13, -1, -1, -1, -1}, 0, 0, -1, 0},
        {6, 1, 100, {6, 18, -1, -1, -1}, 30, -30, -1, 0},
        {6, 2, 100, {6, 18, -1, -1, -1}, -10, -10, -1, 0},
        {6, 4, 100, {6, 18, -1, -1, -1}, 20, -20, -1, 0},
        {6, 0, 100, {6, 18, -1, -1, -1}, -10, 10, -1, 0},
        {6, 6, 100, {6, 18, -1, -1, -1}, 10, -10, -1, 0},
        {6, 0, 50, {6, 18, -1, -1, -1}, 10, -10, -1, 0},
        {7, 3, 100, {15, -1, -1, -1, -1}, -10, -10, -1, 0},
        {7, 4, 100, {15, -1, -1, -1, -1}, 20, -20, -1, 0},
        {8, 1, 100, {10, 22, -1, -1, -1}, 60, -60, -1, 0},
        {8, 4, 100, {10, 22, -1, -1, -1}, 60, -60, -1, 0},
        {8, 2, 100, {10, 22, -1, -1, -1}, -10, -10, -1, 0},
        {8, 0, 100, {10, 22, -1, -1, -1}, -10, 10, -1, 0},
        {8, 6, 100, {10, 22, -1, -1, -1}, 30, -30, -1, 0},
        {8, 0, 60, {10, 22, -1, -1, -1}, 30, -30, -1, 0},
        {10, 2, 100, {10, 49, 55, 70, 80}, 0, 0, -1, 0},
        {9, 6, 100, {16, 39, 60, 70, 86}, -2880, 2880, -1, 0},
        {9, 10, 100, {10, 48, 60, 72, 80}, -2880, 2880, -1, 0},
        {9, 12, 100, {46, 56, 60, 72, 90}, -30, 30, -1, 0},
        {9, 8, 80, {14, 49, 60, 70, 80}, -45, 45, 15, 50},
        {9, 7, 100, {10, 49, 60, 70, 80}, -360, 360, -1, 0},
        {9, 0, 100, {10, 49, 60, 70, 80}, -2880, 2880, -1, 0},
        {1, 2, 100, {8, 16, -1, -1, -1}, 0, 0, 10, 15},
        {1, 1, 100, {11, 16, -1, -1, -1}, -360, 360, -1, 0},
        {1, 5, 100, {12, 20, -1, -1, -1}, 0, 0, 15, 22},
        {1, 7, 100, {12, 20, -1, -1, -1}, -360, 360, 15, 31},
        {1, 8, 100, {8, 28, 36, -1, -1}, 45, -45, 15, 36},
        {1, 9, 100, {4, 14, 18, 30, 34}, 0, 0, 10, -32},
        {1, 10, 100, {10, 16, 22, 32, -1}, 0, 0, 17, 28},
        {1, 11, 100, {4, 12, 16, 28, -1}, 30, -30, -1, 0},
        {1, 12, 100, {12, 24, -1, -1, -1}, 30, -30, -1, 0},
        {1, 0, 100, {11, 16, -1, -1, -1}, 0, 0, -1, 0},
        {11, 1, 100, {8, 18, 26, -1, -1}, 360, -360, 15, 40},
        {11, 9, 100, {5, 25, 30, -1, -1}, 0, 0, 15, 13},
        {11, 6, 100, {14, 16, 30, -1, -1}, 0, 0, -1, 0},
        {11, 8, 100, {8, 18, 26, -1, -1}, -45, 45, 15, 36},
        {11, 10, 100, {8, 18, 26, -1, -1}, 0, 0, -1, 0},
        {11, 11, 100, {6, 20, 26, -1, -1}, -30, 30, -1, 0},
        {11, 12, 100, {15, 15, 30, -1, -1}, 45, -45, -1, 0},
        {11, 0, 50, {6, 20, 26, -1, -1}, 0, 0, 15, 40},
        {11, 0, 130, {6, 20, 26, -1, -1}, 0, 0, 15, 13},
    };
    for (const PhaseRow& row : rows) {
        for (int facing = 0; facing <= 1; ++facing) {
            SCOPED_TRACE("kind " + std::to_string(row.kind) + " personality " +
                         std::to_string(row.personality) + " size " + std::to_string(row.size) + " facing " +
                         std::to_string(facing));
            std::unique_ptr<ModelMove> move = figureMove(row.kind, row.personality, facing, row.size);
            for (int i = 0; i < 5; ++i)
                if (row.marks[i] >= 0) {
                    EXPECT_EQ(row.marks[i], move->getPhase(i)) << "mark " << i + 1;
                }
            EXPECT_EQ(facing == 1 ? row.amplitudeFacing1 : row.amplitudeFacing0, move->getPhase(5));
            if (row.extraIndex >= 0) {
                EXPECT_EQ(row.extraValue, move->getPhase(row.extraIndex));
            }
            EXPECT_EQ(facing == 0 ? -1 : 1, move->getDirection());
        }
    }
    // Only the roar's extra entries 16 and 17 for a psychic creature.
    std::unique_ptr<ModelMove> psychic = figureMove(1, 10, 1);
    EXPECT_EQ(40, psychic->getPhase(15));
    EXPECT_EQ(12, psychic->getPhase(16));
}

TEST(ModelMoveDamageKinds, RecoilOffsetsHoldAndReturn) {
    std::unique_ptr<ModelMove> damage = figureMove(2, 0, 0);
    std::vector<Frame> frames = play(*damage, 19);
    EXPECT_EQ((std::vector<int>{-6, -12, -21, -18, -21, -18, -21, -18, -21, -18, -21, -18, -21, -18, -18, -12,
                                -6, 0, 0}),
              xs(frames));
    EXPECT_TRUE(frames[16].running);
    EXPECT_FALSE(frames[17].running); // stops at frame 18
    EXPECT_EQ(sf::Transform::Identity.getMatrix()[0], damage->getTransform().getMatrix()[0]);

    // A ball rolls with the hit: 30 degrees per frame, held at 90 (turned the other way for facing 0).
    std::unique_ptr<ModelMove> ball = figureMove(2, 1, 1);
    play(*ball, 5);
    EXPECT_NEAR(90.f, angleOf(ball->getTransform()), 0.01f);
    std::unique_ptr<ModelMove> leftBall = figureMove(2, 1, 0);
    play(*leftBall, 2);
    EXPECT_NEAR(-60.f, angleOf(leftBall->getTransform()), 0.01f);

    // Light damage pushes 4 a frame and returns 6 a frame.
    std::unique_ptr<ModelMove> light = figureMove(3, 0, 1);
    EXPECT_EQ((std::vector<int>{4, 8, 15, 12, 15, 12, 15, 12, 18, 12, 6, 0}), xs(play(*light, 12)));
    EXPECT_FALSE(light->isRunning());

    // Heavy damage: 12 a frame, tilting by up to 3 steps of its amplitude (6 for a ball).
    std::unique_ptr<ModelMove> heavy = figureMove(4, 0, 1, 50); // amplitude 15
    std::vector<Frame> heavyFrames = play(*heavy, 5);
    EXPECT_EQ((std::vector<int>{12, 24, 36, 48, 66}), xs(heavyFrames)); // frame 5 holds, odd: +6
    EXPECT_NEAR(45.f, angleOf(heavy->getTransform()), 0.01f);           // k = min(5 - 2, 3)
    play(*heavy, 20);
    EXPECT_FALSE(heavy->isRunning());
    EXPECT_EQ(0, heavy->getXOffset());

    // Tremble: 3 on odd frames, 13 frames long.
    std::unique_ptr<ModelMove> tremble = figureMove(5, 0, 0);
    std::vector<Frame> t = play(*tremble, 14);
    EXPECT_EQ((std::vector<int>{0, -3, 0, -3, 0, -3, 0, -3, 0, -3, 0, -3, 0, 0}), xs(t));
    EXPECT_TRUE(t[11].running);
    EXPECT_FALSE(t[12].running);
}

namespace {
// A knock-out without amplitude, which the tables never give but the fall must still handle (it squashes).
class FlatDamageKO : public ModelMoveDamageKO {
public:
    using ModelMoveDamageKO::ModelMoveDamageKO;
    void setupPhases() override {
        ModelMoveDamageKO::setupPhases();
        phases[5] = 0;
    }
};
} // namespace

TEST(ModelMoveKnockOuts, FallsSquashesAndTheGhostsRise) {
    FlatDamageKO flat(PIVOT_X, PIVOT_Y, 1);
    flat.setBaseY(BASE_Y);
    flat.setPersonality(0);
    play(flat, 15); // k = 9
    sf::Vector2f top = flat.getTransform().transformPoint(sf::Vector2f(0.f, BASE_Y - 24.f));
    EXPECT_NEAR(BASE_Y - 15.f, top.y, 0.01f); // 15/24 of its height
    EXPECT_NEAR(0.f, flat.getTransform().transformPoint(sf::Vector2f(0.f, BASE_Y)).y - BASE_Y, 0.01f);
    play(flat, 3);
    EXPECT_FALSE(flat.isRunning());

    std::unique_ptr<ModelMove> fall = figureMove(6, 0, 1); // amplitude -10
    std::vector<Frame> frames = play(*fall, 18);
    EXPECT_EQ((std::vector<int>{7, 14, 21, 28, 35, 42, 45, 42, 45}), first(xs(frames), 9));
    EXPECT_NEAR(-90.f, angleOf(fall->getTransform()), 0.01f); // k capped at 9
    EXPECT_FALSE(fall->isRunning());

    // A ghost fades while it falls, then rises 2 a frame, half seen, and never stops.
    std::unique_ptr<ModelMove> ghost = figureMove(6, 9, 1);
    play(*ghost, 10); // k = 4
    EXPECT_EQ(4, ghost->getHeight());
    EXPECT_EQ(255 - 4 * 127 / 9, ghost->getColor().a);
    play(*ghost, 8); // frame 18
    EXPECT_EQ(2 * 18 - 6 - 18, ghost->getHeight());
    EXPECT_EQ(128, ghost->getColor().a);
    play(*ghost, 100);
    EXPECT_TRUE(ghost->isRunning());
    EXPECT_EQ(2 * 118 - 24, ghost->getHeight());

    std::unique_ptr<ModelMove> trembleGhost = figureMove(7, 9, 0);
    play(*trembleGhost, 20);
    EXPECT_TRUE(trembleGhost->isRunning());
    EXPECT_EQ(2 * 20 - 4 - 15, trembleGhost->getHeight());
    std::unique_ptr<ModelMove> trembleKO = figureMove(7, 0, 0);
    play(*trembleKO, 15);
    EXPECT_FALSE(trembleKO->isRunning());

    // Heavy KO flies back and up; large creatures stay on the ground.
    std::unique_ptr<ModelMove> heavy = figureMove(8, 1, 1); // a ball does not sink
    std::vector<Frame> heavyFrames = play(*heavy, 22);
    EXPECT_EQ(10, heavyFrames[0].x);
    EXPECT_EQ(100 + 6 * 4, heavyFrames[20].x); // min(f - m1, 6) * 4 + m1 * 10
    EXPECT_EQ(static_cast<int>(std::sin(90 * 3.14159 / 180) * 13), heavyFrames[4].h);
    EXPECT_FALSE(heavy->isRunning());
    std::unique_ptr<ModelMove> big = figureMove(8, 1, 1, 125);
    for (const Frame& f : play(*big, 22))
        EXPECT_EQ(0, f.h);
    // Other figures sink as they tip over: size * k / 75 below their lift.
    std::unique_ptr<ModelMove> sinking = figureMove(8, 0, 1, 150);
    play(*sinking, 12);
    EXPECT_EQ(-150 * 9 / 75, sinking->getHeight());
}

TEST(ModelMoveAttacks, SpecialStrikeAndPhysicalCharge) {
    std::unique_ptr<ModelMove> strike = figureMove(10, 0, 0);
    std::vector<Frame> s = play(*strike, 82);
    EXPECT_EQ(0, s[0].x);                                                  // frame 0: w = 0
    EXPECT_EQ(static_cast<int>(std::sin(90 * 3.14159 / 180) * 6), s[5].h); // lift(20) = 6 at size 100
    EXPECT_EQ(0, s[10].x);                                                 // the hold: w = 0, even frame
    EXPECT_EQ(-3, s[11].x);                                                // odd frame: d * 3
    EXPECT_EQ(0, s[10].h);
    EXPECT_EQ(60, s[60].x); // -60 * d
    EXPECT_EQ(0, s[80].x);
    EXPECT_FALSE(s[80].running);
    EXPECT_TRUE(s[79].running);
    std::unique_ptr<ModelMove> bigStrike = figureMove(10, 0, 0, 130);
    for (const Frame& f : play(*bigStrike, 82))
        EXPECT_EQ(0, f.h);
    std::unique_ptr<ModelMove> mole = figureMove(10, 2, 1);
    std::vector<Frame> m = play(*mole, 60);
    EXPECT_EQ(30, m[20].x);              // w = 30 for moles, hold at d * w (+3 on odd frames)
    EXPECT_EQ(30 - 5 * 90 / 6, m[54].x); // frame 54: (w - (f - m2) * 90 div 6) * d
    EXPECT_EQ(0, hs(m)[5]);              // moles do not lift

    std::unique_ptr<ModelMove> charge = figureMove(9, 0, 1); // wind-up (8000 - 4000) / 150 + 20 = 46
    std::vector<Frame> c = play(*charge, 82);
    EXPECT_EQ(5 * 46 / 10, c[5].x); // frame 5 backs up
    EXPECT_EQ(46, c[20].x);
    EXPECT_EQ(46 - 5 * 216 / 11, c[54].x);
    EXPECT_EQ(-170, c[65].x);
    EXPECT_EQ(5 * 170 / 10 - 170, c[75].x);
    EXPECT_EQ(0, c[80].x);
    EXPECT_FALSE(c[80].running);
    EXPECT_TRUE(c[79].running);

    // A ghost fades out while gathering and back in during the dash.
    std::unique_ptr<ModelMove> ghost = figureMove(9, 9, 1);
    play(*ghost, 30); // frame 29: (49 - 29) * 255 / 39
    EXPECT_EQ((49 - 29) * 255 / 39, ghost->getColor().a);
    play(*ghost, 22); // frame 51: f - m2 = 2 <= 4
    EXPECT_EQ(0, ghost->getColor().a);
    play(*ghost, 10); // frame 61: the hit
    EXPECT_EQ(255, ghost->getColor().a);

    // A lazy creature walks in the other way and comes back.
    std::unique_ptr<ModelMove> lazy = figureMove(9, 12, 1);
    std::vector<Frame> l = play(*lazy, 92);
    EXPECT_EQ(-(23 * 150 / 46), l[23].x);
    EXPECT_EQ(-170, l[65].x);
    EXPECT_EQ(0, l[90].x);
    EXPECT_FALSE(l[90].running);
}

TEST(ModelMoveRoarKinds, HopsShakesFloatsAndFades) {
    // Two hops: a full one, a half one, then the stop.
    std::unique_ptr<ModelMove> hop = figureMove(1, 0, 1);
    std::vector<Frame> frames = play(*hop, 25);
    EXPECT_EQ(
        (std::vector<int>{7, 13, 18, 22, 25, 27, 28, 28, 27, 25, 22, 18, 13, 7, 0, 3, 5, 6, 6, 5, 3, 0, 0}),
        first(hs(frames), 23));
    EXPECT_TRUE(frames[21].running);
    EXPECT_FALSE(frames[22].running);

    // A large creature barely leaves the ground.
    std::unique_ptr<ModelMove> heavy = figureMove(1, 0, 1, 200);
    std::vector<Frame> heavyFrames = play(*heavy, 10);
    EXPECT_EQ(1, heavyFrames[0].h);
    EXPECT_FALSE(heavyFrames.back().running);

    // A snake shakes: sin(f * 45) * 15, halved after frame 8.
    std::unique_ptr<ModelMove> snake = figureMove(1, 3, 0);
    std::vector<Frame> s = play(*snake, 17);
    EXPECT_EQ(static_cast<int>(std::sin(45 * 3.14159 / 180) * -15), s[0].x);
    EXPECT_EQ(static_cast<int>(std::sin(405 * 3.14159 / 180) * -15) / 2, s[8].x);
    EXPECT_FALSE(s[16].running);

    // A ball turns a full circle about the pivot.
    std::unique_ptr<ModelMove> ball = figureMove(1, 1, 1);
    play(*ball, 6);
    EXPECT_NEAR(-360 * 6 / 11 + 360, angleOf(ball->getTransform()), 0.01f);
    EXPECT_NEAR(PIVOT_X, ball->getTransform().transformPoint(sf::Vector2f(PIVOT_X, PIVOT_Y)).x, 0.01f);

    // A psychic creature floats up and bobs.
    std::unique_ptr<ModelMove> psychic = figureMove(1, 10, 1);
    std::vector<Frame> p = play(*psychic, 34);
    EXPECT_EQ(40 * 5 / 10, p[4].h);
    EXPECT_EQ((16 - 12) * 12 / 6 + 28, p[11].h);
    EXPECT_FALSE(p[32].running);

    // A ghost fades to half and drifts back.
    std::unique_ptr<ModelMove> ghost = figureMove(1, 9, 1);
    std::vector<Frame> g = play(*ghost, 36);
    EXPECT_EQ(-32, g[19].x); // frame 20, m3 <= f < m4, even: e10 * d
    EXPECT_EQ(-27, g[20].x); // frame 21, odd: plus d * 5
    EXPECT_FALSE(g[34].running);
    EXPECT_EQ(255, ghost->getColor().a);
}

TEST(ModelMoveDodgeKinds, StepsAsideAndComesBack) {
    // Odd random value: steps to s = +1.
    std::unique_ptr<ModelMove> step = figureMove(11, 0, 1, 100, 1);
    std::vector<Frame> d = play(*step, 27);
    EXPECT_EQ(4, d[0].x);
    EXPECT_EQ(6, d[0].y);
    EXPECT_EQ(static_cast<int>(std::sin(30 * 3.14159 / 180) * 13), d[0].h);
    EXPECT_EQ(24, d[10].x); // hold at m1 * d * 4
    EXPECT_EQ(36, d[10].y);
    EXPECT_EQ(0, d[10].h);
    EXPECT_EQ((26 - 22) * 4, d[21].x);
    EXPECT_EQ(0, d[25].x);
    EXPECT_FALSE(d[25].running);
    EXPECT_TRUE(d[24].running);

    // Even random value and facing 0: the other way on both axes multiplies out.
    std::unique_ptr<ModelMove> left = figureMove(11, 0, 0, 100, 2);
    std::vector<Frame> l = play(*left, 2);
    EXPECT_EQ(-4, l[0].x);
    EXPECT_EQ(6, l[0].y); // s = -1, d = -1

    // A mole ducks: squashed to a quarter while it hides.
    std::unique_ptr<ModelMove> mole = figureMove(11, 2, 1);
    play(*mole, 10);
    EXPECT_NEAR(BASE_Y - 6.f, mole->getTransform().transformPoint(sf::Vector2f(0.f, BASE_Y - 24.f)).y, 0.01f);
    EXPECT_EQ(0, mole->getXOffset());

    // A ghost fades in place, floating by 6 every other four frames.
    std::unique_ptr<ModelMove> ghost = figureMove(11, 9, 1);
    std::vector<Frame> g = play(*ghost, 30);
    EXPECT_EQ(255, ghost->getColor().a); // back to opaque at the end
    EXPECT_EQ(6, g[8 - 1].h);            // frame 8: 8 div 4 = 2, even
    EXPECT_EQ(0, g[12 - 1].h);           // frame 12: 3, odd
    EXPECT_FALSE(g[29].running);

    // Dodges end on the spot.
    for (int personality : {1, 6, 8, 10, 11, 12}) {
        std::unique_ptr<ModelMove> any = figureMove(11, personality, 1, 100, 3);
        play(*any, 40);
        EXPECT_FALSE(any->isRunning()) << personality;
        EXPECT_EQ(0, any->getXOffset()) << personality;
        EXPECT_EQ(0, any->getYOffset()) << personality;
        EXPECT_EQ(0, any->getHeight()) << personality;
    }
}

TEST(ModelMoveBlankKind, RunsForeverAndChangesNothing) {
    std::unique_ptr<ModelMove> blank = figureMove(0, 9, 0);
    for (const Frame& f : play(*blank, 50)) {
        EXPECT_TRUE(f.running);
        EXPECT_EQ(0, f.x);
        EXPECT_EQ(0, f.y);
        EXPECT_EQ(0, f.h);
    }
    EXPECT_EQ(255, blank->getColor().a);
}
