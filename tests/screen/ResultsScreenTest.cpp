// The results screen: closing the field, the intro and table timing, confirmation and the drawn table.
#include <gtest/gtest.h>

#include <memory>

#include "ScenesBaseSupport.hpp"
#include "battle/GameBattleEngine.hpp"
#include "presentation/ParticleEngine.hpp"
#include "rules/Game_Options.hpp"
#include "scenes/SceneBattleEnd.hpp"
#include "tests/BattleFixture.hpp"

namespace {

// A creature figure stand-in: the particle engine lists it but never owns it.
class StubFigure : public QX_Drawable {
public:
    int getX() const override { return 0; }
    int getScreenY() const override { return 0; }
    int getHeight() const override { return 0; }
    int getY() const override { return 0; }
    int getGroundY() const override { return 0; }
    void update() override {}
    bool isParticle() const override { return false; }
    bool isAlive() const override { return true; }
    void drawShadow(sf::RenderTarget*) override {}
    sf::Sprite* getSprite() override { return nullptr; }
    void draw(sf::RenderTarget*) override {}
    void setId(int value) override { id = value; }
    int getId() const override { return id; }
    void setLayer(int) override {}
    int getLayer() const override { return 0; }
    int id = 0;
};

// A decided battle on the fixture field (Flamby, Aquilon, Herbette against Rocaille, Braisier, Marinel)
// and its results screen, driven one frame at a time.
class DecidedBattle {
public:
    explicit DecidedBattle(int winner, bool quiet = false, bool autoInput = false) {
        if (autoInput) world.dir.write("config.xml", "<config>\n<auto_input>1</auto_input>\n</config>\n");
        options.reset(new Game_Options());
        field = quiet ? world.makeQuietField() : world.makeField();
        engine = new GameBattleEngine(field, nullptr, options.get());
        field->setResult(winner);
        particles.reset(new ParticleEngine());
        gameBundle->particleEngine = particles.get();
        screen->controler = &keys.controler;
    }
    ~DecidedBattle() {
        delete engine;
        gameBundle->particleEngine = guard.saved.particleEngine;
    }
    Zelkin* member(int side, int i) { return field->getTeam(side)->getMemberAt(i); }
    void start() { screen->init(engine, &player, &opponent); }
    // One frame, Enter down or not (every other key up).
    void frame(bool enter = false) {
        if (enter)
            keys.frame({sf::Keyboard::Return});
        else
            keys.frame();
        screen->run();
    }

    BattleFixture world;
    BundleGuard guard;
    std::unique_ptr<Game_Options> options;
    std::unique_ptr<ParticleEngine> particles;
    GameField* field = nullptr;
    GameBattleEngine* engine = nullptr;
    ZelkBot player;
    ZelkBot opponent;
    KeyScript keys;
    std::unique_ptr<SceneBattleEnd> screen{new SceneBattleEnd()};
};

TEST(ResultsScreen, InitClosesTheFieldAndNamesTheWinnersBestCreature) {
    DecidedBattle battle(1);
    battle.member(0, 1)->addMvpPoints(4, 0);
    battle.member(0, 2)->addMvpPoints(4, 1);
    // The losing side's points do not count.
    battle.member(1, 0)->addMvpPoints(9, 0);
    battle.start();
    EXPECT_EQ(battle.field->getState(), GameField::STATE_CLOSED);
    // The first of equal scores is the MVP, and its award is counted.
    EXPECT_EQ(battle.field->getBestCreature(), battle.member(0, 1));
    EXPECT_EQ(battle.member(0, 1)->getBattleStat(7), 1);
    EXPECT_EQ(battle.screen->getTimer(), SceneBattleEnd::INTRO_FRAMES);
    EXPECT_TRUE(battle.screen->isAlive());
}

TEST(ResultsScreen, NoMvpOrAQuietBattleShortensTheIntro) {
    {
        DecidedBattle draw(3);
        draw.member(0, 0)->addMvpPoints(5, 0);
        draw.start();
        EXPECT_EQ(draw.field->getBestCreature(), nullptr);
        EXPECT_EQ(draw.screen->getTimer(), SceneBattleEnd::SHORT_INTRO_FRAMES);
    }
    {
        DecidedBattle pointless(2);
        pointless.start();
        EXPECT_EQ(pointless.field->getBestCreature(), nullptr);
        EXPECT_EQ(pointless.screen->getTimer(), SceneBattleEnd::SHORT_INTRO_FRAMES);
    }
    {
        DecidedBattle quiet(1, true);
        quiet.member(0, 0)->addMvpPoints(5, 0);
        quiet.start();
        EXPECT_EQ(quiet.field->getBestCreature(), quiet.member(0, 0));
        EXPECT_EQ(quiet.screen->getTimer(), SceneBattleEnd::SHORT_INTRO_FRAMES);
    }
}

TEST(ResultsScreen, FirstEnterShowsTheTableAndTheSecondHandsTheResultToTheParent) {
    DecidedBattle battle(2);
    battle.member(1, 2)->addMvpPoints(3, 0);
    StubFigure figure;
    battle.particles->add(&figure);
    battle.start();
    Scene parent;
    // The parent deletes the screen once it has ended.
    parent.child = battle.screen.release();
    auto frame = [&](bool enter) {
        battle.keys.frame(enter ? std::initializer_list<sf::Keyboard::Key>{sf::Keyboard::Return}
                                : std::initializer_list<sf::Keyboard::Key>{});
        parent.run();
    };

    SceneBattleEnd* screen = static_cast<SceneBattleEnd*>(parent.child);
    frame(false);
    EXPECT_EQ(screen->getTimer(), 149);
    // Cut to 9, then lowered by the frame's draw.
    frame(true);
    EXPECT_EQ(screen->getTimer(), 8);
    for (int i = 0; i < 20; ++i)
        frame(false);
    EXPECT_EQ(screen->getTimer(), 0);
    EXPECT_TRUE(screen->isAlive());
    EXPECT_EQ(battle.particles->count(), 1);

    // The next press ends the screen with the winner.
    frame(true);
    ASSERT_EQ(parent.child, nullptr);
    EXPECT_EQ(parent.result, 2);
    // The figure is let go, not deleted.
    EXPECT_EQ(battle.particles->count(), 0);
    EXPECT_EQ(figure.listedIn(), nullptr);
}

TEST(ResultsScreen, EnterAtExactlyNineEndsTheScreen) {
    DecidedBattle battle(3);
    battle.start();
    while (battle.screen->getTimer() > 9)
        battle.frame();
    battle.frame(true);
    EXPECT_FALSE(battle.screen->isAlive());
    EXPECT_EQ(battle.screen->getResult(), 3);
}

TEST(ResultsScreen, AutomaticInputConfirmsEveryThreeHundredFrames) {
    {
        DecidedBattle battle(2, false, true);
        battle.member(1, 0)->addMvpPoints(2, 0);
        battle.start();
        for (int i = 1; i < SceneBattleEnd::AUTO_CONFIRM_FRAMES; ++i)
            battle.frame();
        EXPECT_TRUE(battle.screen->isAlive());
        EXPECT_EQ(battle.screen->getAutoFrames(), 299);
        battle.frame();
        EXPECT_FALSE(battle.screen->isAlive());
        EXPECT_EQ(battle.screen->getResult(), 2);
    }
    {
        // A press starts the count again, and the frame of the press does not count.
        DecidedBattle battle(1, false, true);
        battle.member(0, 0)->addMvpPoints(2, 0);
        battle.start();
        for (int i = 0; i < 100; ++i)
            battle.frame();
        battle.frame(true);
        EXPECT_EQ(battle.screen->getAutoFrames(), 0);
        EXPECT_EQ(battle.screen->getTimer(), 8);
        for (int i = 1; i < SceneBattleEnd::AUTO_CONFIRM_FRAMES; ++i)
            battle.frame();
        EXPECT_TRUE(battle.screen->isAlive());
        battle.frame();
        EXPECT_FALSE(battle.screen->isAlive());
        EXPECT_EQ(battle.screen->getResult(), 1);
    }
    {
        DecidedBattle battle(1);
        battle.start();
        for (int i = 0; i < 400; ++i)
            battle.frame();
        EXPECT_TRUE(battle.screen->isAlive());
        EXPECT_EQ(battle.screen->getTimer(), 0);
        EXPECT_EQ(battle.screen->getResult(), 0);
    }
}

TEST(ResultsScreen, DamageCountersShowAsWholePercentsRoundedUp) {
    EXPECT_EQ(SceneBattleEnd::percentText(1), "1");
    EXPECT_EQ(SceneBattleEnd::percentText(10), "1");
    EXPECT_EQ(SceneBattleEnd::percentText(11), "2");
    EXPECT_EQ(SceneBattleEnd::percentText(40), "4");
    EXPECT_EQ(SceneBattleEnd::percentText(125), "13");
    EXPECT_EQ(SceneBattleEnd::percentText(1000), "100");
}

// Which colour family a pixel of a box belongs to (the palette colours are slightly see-through).
bool isGreenish(sf::Color c) { return c.g > c.b + 60 && c.g > c.r + 20; }
bool isBluish(sf::Color c) { return c.b > c.r + 40 && c.b > c.g + 40; }
bool isGrey(sf::Color c) { return std::abs(c.r - c.b) < 20 && std::abs(c.r - c.g) < 20 && c.r > 60; }

TEST(ResultsScreen, DrawTableSlidesInAndColoursTheRows) {
    DecidedBattle battle(3);
    GameWindow window;
    battle.screen->window = &window;
    battle.start();
    battle.frame();
    // Intro: only the green banner, nothing where the table's title box will rest (3 rows: y 115).
    EXPECT_EQ(pixelAt(window, 230, 150), sf::Color::White);
    EXPECT_TRUE(isGreenish(pixelAt(window, 230, 100)));
    battle.frame(true);
    // Timer 9: the title box is still 405 units above its place.
    EXPECT_FALSE(isGreenish(pixelAt(window, 230, 150)));
    for (int i = 0; i < 10; ++i)
        battle.frame();
    EXPECT_TRUE(isGreenish(pixelAt(window, 230, 150)));
    // Side 0's first row box at rest (210, 165) in its side's colour.
    EXPECT_TRUE(isBluish(pixelAt(window, 340, 200)));
}

TEST(ResultsScreen, StatisticsBoxesOnlyForCreaturesThatFoughtAndTheMvpStandsOut) {
    DecidedBattle battle(1);
    GameWindow window;
    battle.screen->window = &window;
    battle.member(0, 0)->addMvpPoints(6, 0);
    battle.member(0, 0)->mark();
    battle.member(0, 1)->mark();
    battle.member(1, 0)->mark();
    battle.member(1, 0)->setHp(0);
    battle.start();
    battle.frame(true);
    for (int i = 0; i < 10; ++i)
        battle.frame();
    ASSERT_EQ(battle.screen->getTimer(), 0);
    // Rows at y 165, 215, 265; side 0's statistics boxes span x 26..206.
    EXPECT_TRUE(isGreenish(pixelAt(window, 203, 168)));
    EXPECT_TRUE(isBluish(pixelAt(window, 203, 218)));
    EXPECT_EQ(pixelAt(window, 203, 268), pixelAt(window, 10, 268));
    // Side 1's knocked-out creature: grey row box and grey statistics box (x 647..827).
    EXPECT_TRUE(isGrey(pixelAt(window, 640, 170)));
    EXPECT_TRUE(isGrey(pixelAt(window, 824, 204)));
    // Its second member never fought: no statistics box.
    EXPECT_EQ(pixelAt(window, 824, 254), pixelAt(window, 848, 254));
}

} // namespace
