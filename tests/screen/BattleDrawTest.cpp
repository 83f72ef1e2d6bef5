// The battle screen's frames read back: the opening's 130 frames, the pick screen, panels and menus.
#include <gtest/gtest.h>

#include "BattleScreenSupport.hpp"
#include "players/SelectTeam.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/ScreenPresentation.hpp"
#include "rules/GameBundle.hpp"

namespace {

using K = sf::Keyboard;

// A palette colour as it shows once blended over an opaque background.
sf::Color over(sf::Color colour, sf::Color background) {
    auto mix = [&](int top, int below) { return (top * colour.a + below * (255 - colour.a)) / 255; };
    return sf::Color(mix(colour.r, background.r), mix(colour.g, background.g), mix(colour.b, background.b));
}

// The test folder has no images: every background is plain white, so fills show their own colours.
struct DrawnBattle {
    DrawnBattle() : world(new BattleScreenWorld()) { window.reset(new GameWindow()); }
    ~DrawnBattle() { world.reset(); }
    sf::Color pixel(int x, int y) { return pixelAt(*window, x, y); }
    bool shows(int x, int y, int paletteIndex, sf::Color background = sf::Color::White) {
        return sameColour(pixel(x, y), over(window->paletteColor(paletteIndex), background), 6);
    }
    std::unique_ptr<BattleScreenWorld> world;
    std::unique_ptr<GameWindow> window;
};

TEST(BattleOpening, LastsExactlyOneHundredThirtyFramesAndWarmsTheCrowdUp) {
    BattleScreenWorld world;
    BattleInformations* info = new BattleInformations(world.parser->findStadium("Arene Test"), 0, 0);
    GameField field(world.parser, info, nullptr);
    int before0 = field.getSupport(0);
    int before1 = field.getSupport(1);
    SelectTeam picks0("Alice", 3), picks1("Bruno", 3);
    Scene_Battle_Presentation opening;
    opening.init(&field, world.options, world.player.get(), world.opponent.get(), &picks0, &picks1);
    EXPECT_EQ(opening.getTimer(), 130);
    EXPECT_EQ(field.getSupport(0), before0 + 100);
    EXPECT_EQ(field.getSupport(1), before1 + 100);
    for (int i = 0; i < 129; ++i)
        opening.run();
    EXPECT_TRUE(opening.isAlive());
    opening.run();
    EXPECT_FALSE(opening.isAlive());
    EXPECT_EQ(opening.getResult(), 0);
}

TEST(BattleOpening, SlideAndFadeTimings) {
    // Member 0 is first seen far off screen and rests from t = 30; member 5 rests from t = 30 too.
    EXPECT_EQ(Scene_Battle_Presentation::slideOffset(0, 0), 540);
    EXPECT_EQ(Scene_Battle_Presentation::slideOffset(0, 25), 40);
    EXPECT_EQ(Scene_Battle_Presentation::slideOffset(0, 26), 20);
    EXPECT_EQ(Scene_Battle_Presentation::slideOffset(5, 29), 10);
    EXPECT_EQ(Scene_Battle_Presentation::slideOffset(5, 30), 0);
    bool white = false;
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(130, white), 255);
    EXPECT_FALSE(white);
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(124, white), 36);
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(123, white), 0);
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(23, white), 0);
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(22, white), 17);
    EXPECT_TRUE(white);
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(8, white), 255);
    EXPECT_EQ(Scene_Battle_Presentation::fadeAlpha(1, white), 255);
}

// Black first frame, the blue and red split in the middle, white last frames; then the pick screen.
TEST(BattleOpening, FramesFadeFromBlackToWhite) {
    DrawnBattle drawn;
    TestBattleScreen& screen = drawn.world->start(drawn.window.get());
    drawn.world->frame();
    EXPECT_TRUE(sameColour(drawn.pixel(5, 240), sf::Color::Black, 4));
    for (int i = 1; i < 60; ++i)
        drawn.world->frame();
    EXPECT_TRUE(sameColour(drawn.pixel(5, 100), over(sf::Color(0, 0, 182, 128), sf::Color::White), 6));
    EXPECT_TRUE(sameColour(drawn.pixel(845, 470), over(sf::Color(182, 0, 0, 128), sf::Color::White), 6));
    for (int i = 60; i < 125; ++i)
        drawn.world->frame();
    EXPECT_TRUE(screen.hasOpening());
    EXPECT_TRUE(sameColour(drawn.pixel(5, 240), sf::Color::White, 4));
    for (int i = 125; i < 130; ++i)
        drawn.world->frame();
    EXPECT_FALSE(screen.hasOpening());
}

TEST(BattleDraw, PickScreenHighlightsTheCursorAndAsksForConfirmation) {
    DrawnBattle drawn;
    TestBattleScreen& screen = drawn.world->start(drawn.window.get());
    drawn.world->skipOpening();
    drawn.world->frame();
    sf::Color darkened = over(sf::Color(0, 0, 0, 84), sf::Color::White);
    EXPECT_TRUE(sameColour(drawn.pixel(845, 255), darkened, 4));
    EXPECT_TRUE(drawn.shows(152, 110, 9, darkened));
    EXPECT_TRUE(drawn.shows(292, 110, 3, darkened));
    EXPECT_TRUE(drawn.shows(314, 240, 3, darkened));
    EXPECT_TRUE(drawn.shows(280, 168, 3, darkened));

    drawn.world->press({K::Num1});
    drawn.world->press({K::Num2});
    drawn.world->press({K::Num3});
    EXPECT_EQ(screen.getSelection(0)->getPickCount(), 3);
    // The prompt covers the fourth cell.
    EXPECT_TRUE(drawn.shows(280, 168, 9, over(drawn.window->paletteColor(3), darkened)));
    drawn.world->press({K::Return});
    // Closed: no prompt, no highlighted cell, the gauge turns green.
    EXPECT_TRUE(drawn.shows(280, 168, 3, darkened));
    EXPECT_TRUE(drawn.shows(152, 110, 3, darkened));
    EXPECT_TRUE(drawn.shows(314, 240, 9, darkened));
}

TEST(BattleDraw, PanelsAndMenusShowTheirColoursAndClosedChoicesAreGreyed) {
    DrawnBattle drawn;
    BattleScreenWorld& world = *drawn.world;
    TestBattleScreen& screen = world.start(drawn.window.get());
    ASSERT_TRUE(world.reachBattle());
    ASSERT_TRUE(world.reachPlayersTurn());
    world.frame();
    EXPECT_TRUE(drawn.shows(230, 80, 3));
    EXPECT_TRUE(drawn.shows(620, 80, 6));
    EXPECT_TRUE(drawn.shows(280, 430, 9));
    EXPECT_TRUE(drawn.shows(510, 430, 3));
    EXPECT_TRUE(drawn.shows(740, 430, 3));

    // Switching forbidden by the rules: "2 : Zelkin" in the closed colours.
    ZelkinTeam* team = screen.getField()->getTeamChecked(0);
    team->setMemberMark(4, 0);
    world.frame();
    EXPECT_TRUE(drawn.shows(510, 430, 1));
    world.press({K::Right});
    EXPECT_TRUE(drawn.shows(510, 430, 7));

    // Move slot 1 forbidden: grey, and red-green 7 under the cursor.
    team->setMemberMark(1, 0);
    world.press({K::Left});
    world.press({K::Num1});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_MOVES);
    EXPECT_TRUE(drawn.shows(405, 325, 9));
    EXPECT_TRUE(drawn.shows(750, 325, 13));
    EXPECT_TRUE(drawn.shows(405, 405, 3));
    world.press({K::Right});
    EXPECT_TRUE(drawn.shows(750, 325, 7));

    // Once the order is given the menus give way to the waiting line.
    world.press({K::Left, K::Return});
    EXPECT_EQ(screen.getField()->getOpenRequest(0), 0);
    world.frame();
    EXPECT_TRUE(sameColour(drawn.pixel(405, 325), sf::Color::White, 4));
    EXPECT_TRUE(sameColour(drawn.pixel(280, 430), sf::Color::White, 4));
}

} // namespace

namespace {

// The whole road of a battle drawn with the game's figures, animations and crowd: every frame from the
// opening to the results screen, with the debug panel and the computer sides' thinking logs shown.
TEST(BattleDraw, WholeBattleDrawsWithFiguresAndDebugPanel) {
    DrawnBattle drawn;
    BattleScreenWorld& world = *drawn.world;
    world.player.reset(world.makeParticipant(true, "Alice"));
    world.options->toggleDebug();
    // One creature a side keeps the battle short.
    world.options->setTeamSize(1);
    ParticleEngine particles;
    ScreenPresentation presentation;
    GameBundle saved = *gameBundle;
    gameBundle->window = drawn.window.get();
    gameBundle->particleEngine = &particles;
    installBattlePresentation(&presentation);

    TestBattleScreen& screen = world.start(drawn.window.get());
    world.skipOpening();
    ASSERT_TRUE(world.runUntil([&] { return screen.getPhase() == Scene_Battle::PHASE_BATTLE; }, 400));
    bool sawFigures = false;
    bool sawDebugLine = false;
    bool finished = false;
    for (int frame = 0; frame < 100000 && !finished; ++frame) {
        // D held now and then shows the thinking logs over the field.
        if (frame % 40 < 3)
            world.frame({sf::Keyboard::D});
        else
            world.frame();
        sawFigures = sawFigures || particles.count() >= 2;
        if (frame == 200) sawDebugLine = inkBox(captureFrame(*drawn.window), sf::Color::White).left <= 24;
        finished = screen.hasResults();
    }

    installBattlePresentation(nullptr);
    if (screen.child != nullptr) {
        delete screen.child;
        screen.child = nullptr;
    }
    world.screen.reset();
    *gameBundle = saved;
    ASSERT_TRUE(finished);
    EXPECT_TRUE(sawFigures);
    EXPECT_TRUE(sawDebugLine);
    EXPECT_EQ(particles.count(), 0);
}

} // namespace
