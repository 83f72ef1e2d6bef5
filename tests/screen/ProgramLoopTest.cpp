// The main loop's frame pacing, the Latin-1 conversion, font resolution and the process-wide bundle.
#include <gtest/gtest.h>

#include "presentation/FramePacer.hpp"
#include "presentation/Game.hpp"
#include "presentation/Latin1.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/ScreenPresentation.hpp"
#include "rules/GameBundle.hpp"
#include "rules/Platform.hpp"
#include "scenes/Scene.hpp"
#include "tests/screen/ScreenSupport.hpp"

TEST(FramePacing, FramesRunThirtyThreeThirtyThreeThirtyFour) {
    FramePacer pacer;
    std::vector<int> lengths;
    for (int n = 0; n < 7; ++n)
        lengths.push_back(pacer.nextFrameLength());
    EXPECT_EQ((std::vector<int>{33, 33, 34, 33, 33, 34, 33}), lengths);
    EXPECT_EQ(100, lengths[0] + lengths[1] + lengths[2]);
}

TEST(FramePacing, SleepsAllButTheLastMillisecondAndNeverCatchesUp) {
    FramePacer pacer;
    EXPECT_EQ(32, pacer.sleepTime(33, 0));
    EXPECT_EQ(22, pacer.sleepTime(33, 10));
    EXPECT_EQ(1, pacer.sleepTime(34, 32));
    EXPECT_EQ(0, pacer.sleepTime(33, 32));
    EXPECT_EQ(0, pacer.sleepTime(33, 33));
    EXPECT_EQ(0, pacer.sleepTime(33, 120));

    // A frame already past its length returns at once.
    sf::Clock clock;
    sleepMilliseconds(5);
    pacer.waitFrameEnd(clock, 1);
    EXPECT_LT(clock.getElapsedTime().asMilliseconds(), 50);
}

TEST(MainLoop, AFinishedRootSceneClosesTheWindowInAFrameWithoutEvents) {
    ScratchDir dir;
    Game game;
    game.window = new GameWindow();
    game.controler = new GameControler();
    ScriptedKeys keys(*game.controler);
    Scene root;
    game.rootScene = &root;
    sf::RenderWindow* target = game.window->getRenderWindow();
    game.runFrame();
    sf::Event pending;
    while (target->pollEvent(pending)) {
    }
    ASSERT_TRUE(target->isOpen());

    root.alive = false;
    game.runFrame();
    EXPECT_FALSE(target->isOpen());
}

TEST(Latin1, EveryByteBecomesTheCodePointOfTheSameValue) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    sf::String converted = latin1ToSf(bytes);
    ASSERT_EQ(255u, converted.getSize());
    for (int b = 1; b < 256; ++b)
        EXPECT_EQ(static_cast<sf::Uint32>(b), converted[b - 1]) << b;

    sf::String accented = latin1ToSf("D\xE9j\xE0 \xE9t\xE9");
    EXPECT_EQ(sf::String(L"D\u00e9j\u00e0 \u00e9t\u00e9"), accented);
    EXPECT_EQ(3u, latin1ToSf(std::string("a\0b", 3)).getSize());
    EXPECT_TRUE(latin1ToSf("").isEmpty());
}

TEST(FontResolution, GameFontNamesFallBackToSystemFontsUnlessTheGameFolderHasThem) {
    ScratchDir dir;
    std::string mainFont = GameWindow::resolveFontFile("ZelkinGB.ttf");
    std::string secondFont = GameWindow::resolveFontFile("Arial.ttf");
    EXPECT_NE("ZelkinGB.ttf", mainFont);
    EXPECT_TRUE(boost::filesystem::exists(mainFont)) << mainFont;
    EXPECT_TRUE(boost::filesystem::exists(secondFont)) << secondFont;

    dir.write("ZelkinGB.ttf", "not really a font");
    EXPECT_EQ("ZelkinGB.ttf", GameWindow::resolveFontFile("ZelkinGB.ttf"));
}

TEST(GameBundleSetUp, ParticleEngineIsCreatedOnceAndTheFactoryToleratesMissingPieces) {
    initGameBundle();
    ASSERT_NE(nullptr, gameBundle);
    ParticleEngine* engine = gameBundle->particleEngine;
    ASSERT_NE(nullptr, engine);
    initGameBundle();
    EXPECT_EQ(engine, gameBundle->particleEngine);

    // Without a window there is no figure to make; showing or hiding nothing is harmless.
    ScreenPresentation presentation;
    EXPECT_EQ(nullptr, presentation.newFigure(nullptr, 0, 100, 200, 0));
    presentation.showFigure(nullptr);
    presentation.hideFigure(nullptr);
    BattleAnimation* animation = presentation.newAnimation(0, 1, nullptr);
    EXPECT_NE(nullptr, animation);
    delete animation;
}
