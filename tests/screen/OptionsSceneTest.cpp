// The options screen: moving through categories and items, changing settings, saving when leaving.
#include <gtest/gtest.h>

#include "ScenesBaseSupport.hpp"
#include "rules/Game_Options.hpp"
#include "scenes/Scene_Options.hpp"
#include "tests/TestSupport.hpp"

namespace {

struct OptionsScreen {
    OptionsScreen() {
        options.setSpriteCount(4);
        screen.controler = &keys.controler;
        screen.init(&options);
    }
    void press(std::initializer_list<sf::Keyboard::Key> pressed) { tap(keys, screen, pressed); }
    void type(char c) {
        keys.type(c);
        screen.run();
    }
    ScratchDir dir;
    Game_Options options;
    KeyScript keys;
    Scene_Options screen;
};

TEST(OptionsScene, CategoriesAndItemsWrapAtBothEnds) {
    OptionsScreen s;
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getCategory(), 2);
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getCategory(), 0);
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getOpened(), 2);
    EXPECT_EQ(s.screen.getItem(), 0);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getItem(), 5);
    // Enter inside a category does nothing; Backspace closes it.
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getOpened(), 2);
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getOpened(), 0);
    EXPECT_TRUE(s.screen.isAlive());

    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getOpened(), 3);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getItem(), 7);
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getItem(), 0);
}

TEST(OptionsScene, SettingsCycleWithinTheirRangeAndTogglesFlipEitherWay) {
    OptionsScreen s;
    s.press({sf::Keyboard::Return});
    // Left or Right on the name changes nothing.
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.options.getTrainerName(), "");
    EXPECT_EQ(s.options.getTrainerSprite(), 1);
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.options.getTrainerSprite(), 4);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.options.getTrainerSprite(), 1);
    s.press({sf::Keyboard::Down});
    int help = s.options.getHelp();
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.options.getHelp(), 1 - help);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.options.getHelp(), help);

    s.press({sf::Keyboard::BackSpace});
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    int teamSize = s.options.getTeamSize();
    for (int i = 0; i < 6; ++i)
        s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.options.getTeamSize(), teamSize);
    while (s.options.getTeamSize() != 6)
        s.press({sf::Keyboard::Right});
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.options.getTeamSize(), 1);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.options.getTeamSize(), 6);

    // The misc category's debug switch is its last item.
    s.press({sf::Keyboard::BackSpace});
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Up});
    int debug = s.options.getDebug();
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.options.getDebug(), 1 - debug);
}

TEST(OptionsScene, NameTakesTwelveCharactersAndBackspaceOnEmptyNameStaysOpen) {
    OptionsScreen s;
    // Typing does nothing while the category is closed.
    s.type('Q');
    EXPECT_EQ(s.options.getTrainerName(), "");
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getOpened(), 1);
    EXPECT_TRUE(s.screen.isAlive());
    for (char c : std::string("Abcdefghijklmn"))
        s.type(c);
    EXPECT_EQ(s.options.getTrainerName(), "Abcdefghijkl");
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.options.getTrainerName(), "Abcdefghijk");
    // Typing on another item does nothing.
    s.press({sf::Keyboard::Down});
    s.type('z');
    EXPECT_EQ(s.options.getTrainerName(), "Abcdefghijk");
}

TEST(OptionsScene, EscapeInsideACategorySavesAndLeaves) {
    OptionsScreen s;
    s.press({sf::Keyboard::Return});
    s.type('A');
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Right});
    // Changes act at once but config.xml waits for the screen to end.
    EXPECT_EQ(s.options.getTrainerSprite(), 2);
    EXPECT_EQ(s.dir.read("config.xml"), "");
    s.keys.frame({sf::Keyboard::Escape});
    s.screen.run();
    EXPECT_FALSE(s.screen.isAlive());
    std::string config = s.dir.read("config.xml");
    EXPECT_NE(config.find("<trainer_name>A</trainer_name>"), std::string::npos);
    EXPECT_NE(config.find("<trainer_sprite>2</trainer_sprite>"), std::string::npos);
}

TEST(OptionsScene, BackspaceAtTheTopSavesAndLeaves) {
    OptionsScreen s;
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Right}); // balance 1 -> 2
    s.press({sf::Keyboard::BackSpace});
    EXPECT_TRUE(s.screen.isAlive());
    EXPECT_EQ(s.dir.read("config.xml"), "");
    s.keys.frame({sf::Keyboard::BackSpace});
    s.screen.run();
    EXPECT_FALSE(s.screen.isAlive());
    EXPECT_NE(s.dir.read("config.xml").find("<balance>2</balance>"), std::string::npos);
}

// The frame itself: the chosen category's box is drawn in palette colour 9, the others in 5.
TEST(OptionsScene, ChosenCategoryBoxIsHighlighted) {
    OptionsScreen s;
    GameWindow window;
    s.screen.window = &window;
    auto isChosen = [&](int category) {
        sf::Color c = pixelAt(window, 240, 80 + 62 * category + 32);
        return c.g == 255 && c.r < 200 && c.b < 160; // (182, 255, 128) over white
    };
    auto isPlain = [&](int category) {
        sf::Color c = pixelAt(window, 240, 80 + 62 * category + 32);
        return c.r == 255 && c.g < 160 && c.b < 160; // (255, 128, 128) over white
    };
    s.keys.frame();
    s.screen.run();
    EXPECT_TRUE(isChosen(0));
    EXPECT_TRUE(isPlain(1));
    EXPECT_TRUE(isPlain(2));
    s.press({sf::Keyboard::Down});
    EXPECT_TRUE(isPlain(0));
    EXPECT_TRUE(isChosen(1));
}

} // namespace
