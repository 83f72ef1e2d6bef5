// The loading screen: its worker thread fills GameBundle, succeeds with 1, or shows the failure screen.
#include <gtest/gtest.h>

#include <system_error>
#include <thread>

#include "ScenesBaseSupport.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/Game_Options.hpp"
#include "scenes/Scene_Loading.hpp"
#include "scenes/Scene_Menu.hpp"
#include "tests/HubSupport.hpp"

namespace {

std::string botFile(int members) {
    static const char* const moves[] = {"Lutte", "Goutte", "Ronce"};
    std::string xml = "<zelkbot>\n<name>Rival</name>\n<sprite>2</sprite>\n";
    for (int i = 0; i < members; ++i)
        xml += "<zelkin><number>" + std::to_string(i + 1) + "</number><move>" + moves[i % 3] +
               "</move></zelkin>\n";
    return xml + "</zelkbot>\n";
}

TEST(LoadingScene, FixtureDataSetLoadsWithTheCompleteBotsOnlyAndFinishesWithOne) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    dir.write("bots/complete.xml", botFile(6));
    dir.write("bots/short.xml", botFile(5));
    dir.write("bots/upper.XML", botFile(6));
    dir.write("bots/noextension", botFile(6));
    dir.write("bots/folder.xml/inside.xml", botFile(6));
    BundleGuard guard;

    Scene_Loading* loading = new Scene_Loading();
    loading->init();
    ASSERT_TRUE(waitFor([&] { return !loading->isAlive(); }));
    EXPECT_EQ(loading->getResult(), 1);
    EXPECT_EQ(loading->getState(), Scene_Loading::STATE_DONE);
    EXPECT_EQ(loading->getProgressLine(), "O.K !");
    delete loading;

    ASSERT_NE(gameBundle->teamBuilder, nullptr);
    EXPECT_TRUE(gameBundle->teamBuilder->isDataValid());
    EXPECT_EQ(gameBundle->parser, gameBundle->teamBuilder->getParser());
    EXPECT_EQ(gameBundle->options, gameBundle->parser->getOptions());
    ASSERT_NE(gameBundle->botList, nullptr);
    ASSERT_EQ(gameBundle->botList->count(), 1);
    std::string name;
    gameBundle->botList->get(0)->getName(name);
    EXPECT_EQ(name, "Rival");
}

TEST(LoadingScene, MissingBotsFolderGivesEmptyRosterAndStillSucceeds) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    BundleGuard guard;
    Scene_Loading loading;
    loading.init();
    ASSERT_TRUE(waitFor([&] { return !loading.isAlive(); }));
    EXPECT_EQ(loading.getResult(), 1);
    ASSERT_NE(gameBundle->botList, nullptr);
    EXPECT_EQ(gameBundle->botList->count(), 0);
}

// A machine short of threads: the loading runs on the main thread, and the game starts all the same.
TEST(LoadingScene, AThreadThatCannotStartLoadsOnTheMainThread) {
    struct NoThreadLoading : Scene_Loading {
        void startWorker() override {
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        }
    };
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    BundleGuard guard;
    NoThreadLoading loading;
    loading.init();
    EXPECT_FALSE(loading.isAlive());
    EXPECT_EQ(loading.getResult(), 1);
    EXPECT_NE(gameBundle->parser, nullptr);
    EXPECT_NE(dir.read("error_logs.txt").find("WARNING : the loading thread cannot start ("),
              std::string::npos);
}

// The graphics library's locks are taken by the main thread alone: the loading thread only reads pictures.
TEST(LoadingScene, LibraryTexturesAreMadeOnTheMainThreadOnly) {
    struct RecordingWindow : GameWindow {
        void makeLibraryTexture(sf::Texture& texture, const sf::Image& image) override {
            threads.push_back(std::this_thread::get_id());
            GameWindow::makeLibraryTexture(texture, image);
        }
        std::vector<std::thread::id> threads;
    };
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    writeBandsPng("img/base.png", {sf::Color::Red}, 64, 64);
    BundleGuard guard;
    RecordingWindow window;
    Scene_Loading* loading = new Scene_Loading();
    loading->window = &window;
    loading->init();
    ASSERT_TRUE(waitFor([&] { return !loading->isAlive(); }));
    delete loading;

    window.setCreatureFrame(gameBundle->parser->getSpeciesAt(0), 0);
    EXPECT_EQ(window.threads, std::vector<std::thread::id>(2, std::this_thread::get_id()));
}

// Under the menu and in a real window: the failure screen waits for Enter, then the menu ends.
TEST(LoadingScene, FailedDataCheckShowsFailureScreenUntilEnterThenMenuEnds) {
    ScratchDir dir;
    dir.write("data/moves/few.xml", movesXml(3));
    BundleGuard guard;
    GameWindow window;
    KeyScript keys;
    Scene_Menu menu;
    menu.window = &window;
    menu.controler = &keys.controler;
    menu.init();
    Scene_Loading* loading = dynamic_cast<Scene_Loading*>(menu.child);
    ASSERT_NE(loading, nullptr);
    ASSERT_TRUE(waitFor([&] { return loading->getState() == Scene_Loading::STATE_FAILED; }));

    // Everything is handed over even though the data are not playable.
    EXPECT_NE(gameBundle->teamBuilder, nullptr);
    EXPECT_NE(gameBundle->parser, nullptr);
    EXPECT_NE(gameBundle->options, nullptr);
    EXPECT_NE(gameBundle->botList, nullptr);
    EXPECT_NE(dir.read("error_logs.txt").find("FATAL ERROR : "), std::string::npos);

    // Other keys do nothing.
    tap(keys, menu, {sf::Keyboard::Up, sf::Keyboard::Escape, sf::Keyboard::BackSpace});
    EXPECT_EQ(menu.child, loading);
    EXPECT_TRUE(menu.isAlive());
    EXPECT_FALSE(menu.isLoaded());

    // The whole canvas is veiled in pink (255, 128, 128) at half strength over the white frame.
    sf::Color veil = pixelAt(window, 4, 4);
    EXPECT_EQ(veil.r, 255);
    EXPECT_NEAR(veil.g, 191, 2);
    EXPECT_NEAR(veil.b, 191, 2);

    keys.frame({sf::Keyboard::Return});
    menu.run();
    EXPECT_EQ(menu.child, nullptr);
    EXPECT_EQ(menu.result, -1);
    keys.frame();
    menu.run();
    EXPECT_FALSE(menu.isAlive());
    EXPECT_FALSE(menu.isLoaded());
}

} // namespace
