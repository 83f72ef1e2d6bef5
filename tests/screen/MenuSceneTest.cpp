// The main menu: taking over after loading, the first-start welcome, the cursor and the entry keys.
#include <gtest/gtest.h>

#include "ScenesBaseSupport.hpp"
#include "rules/Game_Options.hpp"
#include "scenes/SceneWelcome.hpp"
#include "scenes/Scene_Loading.hpp"
#include "scenes/Scene_Menu.hpp"
#include "scenes/Scene_Options.hpp"
#include "tests/HubSupport.hpp"

namespace {

// A menu whose loading has just succeeded, with settings read from an existing config.xml.
struct ReadyMenu {
    ReadyMenu() {
        dir.write("config.xml", "<config>\n<trainer_name>Ana</trainer_name>\n</config>\n");
        options.reset(new Game_Options());
        gameBundle->options = options.get();
        menu.controler = &keys.controler;
        menu.result = 1;
        keys.frame();
        menu.run();
    }
    ScratchDir dir;
    BundleGuard guard;
    std::unique_ptr<Game_Options> options;
    KeyScript keys;
    Scene_Menu menu;
};

TEST(MenuScene, CursorWrapsAtBothEnds) {
    ReadyMenu ready;
    ASSERT_TRUE(ready.menu.isLoaded());
    EXPECT_EQ(ready.menu.child, nullptr);
    EXPECT_EQ(ready.menu.getCursor(), 0);
    tap(ready.keys, ready.menu, {sf::Keyboard::Up});
    EXPECT_EQ(ready.menu.getCursor(), 3);
    tap(ready.keys, ready.menu, {sf::Keyboard::Down});
    EXPECT_EQ(ready.menu.getCursor(), 0);
    tap(ready.keys, ready.menu, {sf::Keyboard::Down});
    tap(ready.keys, ready.menu, {sf::Keyboard::Down});
    tap(ready.keys, ready.menu, {sf::Keyboard::Down});
    EXPECT_EQ(ready.menu.getCursor(), 3);
    tap(ready.keys, ready.menu, {sf::Keyboard::Down});
    EXPECT_EQ(ready.menu.getCursor(), 0);
}

TEST(MenuScene, EscapeWithEnterEndsTheMenuAndStillOpensTheChosenScreen) {
    ReadyMenu ready;
    tap(ready.keys, ready.menu, {sf::Keyboard::Up});
    ready.keys.frame({sf::Keyboard::Escape, sf::Keyboard::Return});
    ready.menu.run();
    EXPECT_FALSE(ready.menu.isAlive());
    Scene_Options* screen = dynamic_cast<Scene_Options*>(ready.menu.child);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->controler, &ready.keys.controler);
    EXPECT_FALSE(screen->inheritedFlag);
    EXPECT_EQ(screen->getOpened(), 0);
    delete screen;
}

TEST(MenuScene, OptionsScreenReturnsToTheMenu) {
    ReadyMenu ready;
    tap(ready.keys, ready.menu, {sf::Keyboard::Up});
    tap(ready.keys, ready.menu, {sf::Keyboard::Return});
    ASSERT_NE(dynamic_cast<Scene_Options*>(ready.menu.child), nullptr);
    // Keys go to the options screen only: the menu's cursor stays.
    tap(ready.keys, ready.menu, {sf::Keyboard::Down});
    EXPECT_EQ(ready.menu.getCursor(), 3);
    tap(ready.keys, ready.menu, {sf::Keyboard::Escape});
    EXPECT_EQ(ready.menu.child, nullptr);
    EXPECT_TRUE(ready.menu.isAlive());
    EXPECT_NE(ready.dir.read("config.xml").find("<trainer_name>Ana</trainer_name>"), std::string::npos);
}

TEST(MenuScene, FailedLoadEndsTheMenu) {
    ScratchDir dir;
    KeyScript keys;
    Scene_Menu menu;
    menu.controler = &keys.controler;
    menu.result = -1;
    keys.frame();
    menu.run();
    EXPECT_FALSE(menu.isAlive());
    EXPECT_FALSE(menu.isLoaded());
    EXPECT_EQ(menu.result, 0);
}

// The whole start in a real window: the loading screen is drawn every frame while its thread loads, then
// on a first start (no config.xml) the welcome screen comes, not covered by keys of the frame that pushed it.
TEST(MenuScene, FirstStartAfterLoadingPushesTheWelcomeScreen) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    BundleGuard guard;
    GameWindow window;
    KeyScript keys;
    Scene_Menu menu;
    menu.window = &window;
    menu.controler = &keys.controler;
    menu.init();
    ASSERT_NE(dynamic_cast<Scene_Loading*>(menu.child), nullptr);
    EXPECT_FALSE(menu.inheritedFlag);
    int frames = 0;
    while (menu.child && frames < 3000) {
        keys.frame();
        menu.run();
        ++frames;
    }
    ASSERT_EQ(menu.child, nullptr);
    EXPECT_FALSE(menu.isLoaded());
    EXPECT_EQ(menu.result, 1);

    keys.frame({sf::Keyboard::Return});
    menu.run();
    EXPECT_TRUE(menu.isLoaded());
    ASSERT_NE(dynamic_cast<SceneWelcome*>(menu.child), nullptr);
    EXPECT_EQ(menu.child->controler, &keys.controler);
    EXPECT_EQ(menu.child->window, &window);
    delete menu.child;
    menu.child = nullptr;
}

} // namespace
