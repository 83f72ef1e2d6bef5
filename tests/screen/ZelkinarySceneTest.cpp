// The creature index: the list and its scrolling, the type filter, the moves and forms, and leaving.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "JourneySupport.hpp"
#include "presentation/Model.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "scenes/SceneJourneySelection.hpp"
#include "scenes/Scene_Menu.hpp"
#include "scenes/Scene_Zelkinary.hpp"

namespace {

// Type ids grow over the whole run (each load in this test binary numbers its types afresh), so the
// filter is set directly to the id of a loaded type.
class FilteredIndex : public Scene_Zelkinary {
public:
    void filterBy(int id) {
        typeFilter = id;
        rebuildList();
    }
};

struct IndexScreen {
    IndexScreen() {
        screen.controler = &world.keys.controler;
        screen.init(world.parser, world.options);
        size = static_cast<int>(world.parser->getSpeciesList().size());
    }
    void press(std::initializer_list<sf::Keyboard::Key> pressed) { tap(world.keys, screen, pressed); }
    void expectRowsFrom(int top) {
        for (int r = 0; r < Scene_Zelkinary::VISIBLE_ROWS; ++r)
            EXPECT_EQ(screen.getVisibleRow(r), world.parser->getSpeciesList()[top + r]) << "row " << r;
    }
    JourneyWorld world;
    FilteredIndex screen;
    int size = 0;
};

TEST(ZelkinaryScene, NumbersArePaddedToThreeDigits) {
    EXPECT_EQ(Scene_Zelkinary::paddedNumber(7), "007");
    EXPECT_EQ(Scene_Zelkinary::paddedNumber(42), "042");
    EXPECT_EQ(Scene_Zelkinary::paddedNumber(151), "151");
}

TEST(ZelkinaryScene, StartsOnTheFullListWithTheFirstSpeciesShown) {
    IndexScreen s;
    ASSERT_GT(s.size, 12);
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_MENU);
    EXPECT_EQ(s.screen.getListSize(), s.size);
    EXPECT_EQ(s.screen.getSpecies(), s.world.parser->getSpeciesList()[0]);
    ASSERT_NE(s.screen.getDisplayCreature(), nullptr);
    EXPECT_EQ(s.screen.getDisplayCreature()->getSpecies(), s.screen.getSpecies());
    s.expectRowsFrom(0);
    ASSERT_NE(s.screen.getFigure(), nullptr);
    EXPECT_TRUE(s.world.particles.contains(s.screen.getFigure()));
    EXPECT_EQ(s.screen.getFigure()->getPersonality(), s.screen.getSpecies()->getPersonality());
}

TEST(ZelkinaryScene, ScrollingKeepsTheCursorBetweenTheFifthAndSeventhRowAndWraps) {
    IndexScreen s;
    s.press({sf::Keyboard::Return});
    ASSERT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_LIST);
    for (int i = 1; i < s.size; ++i) {
        s.press({sf::Keyboard::Down});
        ASSERT_EQ(s.screen.getCursor(), i);
        int row = s.screen.getCursor() - s.screen.getScrollTop();
        // Until the list's end shows, the cursor goes no lower than the 7th row, where it then stays.
        bool endShown = s.screen.getScrollTop() == s.size - 12;
        EXPECT_TRUE(endShown || row == std::min(i, 6)) << "cursor " << i << " on row " << row;
    }
    s.expectRowsFrom(s.size - 12);
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getCursor(), 0);
    EXPECT_EQ(s.screen.getScrollTop(), 0);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getCursor(), s.size - 1);
    EXPECT_EQ(s.screen.getScrollTop(), s.size - 12);
    EXPECT_EQ(s.screen.getSpecies(), s.world.parser->getSpeciesList()[s.size - 1]);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getScrollTop(), s.size - 12);
    while (s.screen.getCursor() - s.screen.getScrollTop() > 5)
        s.press({sf::Keyboard::Up});
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getCursor() - s.screen.getScrollTop(), 5);
}

TEST(ZelkinaryScene, PagesMoveByElevenStoppingAtTheEndsBeforeWrapping) {
    IndexScreen s;
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getCursor(), 11);
    EXPECT_EQ(s.screen.getScrollTop(), 5);
    while (s.screen.getCursor() + 11 < s.size - 1)
        s.press({sf::Keyboard::Right});
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getCursor(), s.size - 1);
    EXPECT_EQ(s.screen.getScrollTop(), s.size - 12);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getCursor(), 0);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getCursor(), s.size - 1);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getCursor(), s.size - 12);
    EXPECT_EQ(s.screen.getScrollTop(), s.size - 17);
    while (s.screen.getCursor() > 0)
        s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getScrollTop(), 0);
    s.expectRowsFrom(0);
}

TEST(ZelkinaryScene, TypeFilterWrapsAndRebuildsTheList) {
    IndexScreen s;
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getMenuChoice(), 1);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_FILTER);
    // The filter runs over "none" and the loaded types only.
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getTypeFilter(), s.world.parser->countTypes() - 1);
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getTypeFilter(), 1);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_LIST);
    int expected = 0;
    for (ZelkinZelkinary* species : s.world.parser->getSpeciesList())
        if (species->hasTypeId(1)) ++expected;
    EXPECT_EQ(s.screen.getListSize(), expected);
    // Backspace out of the chooser rebuilds the list as well: back to every species with no filter.
    s.press({sf::Keyboard::BackSpace});
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Up});
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_MENU);
    EXPECT_EQ(s.screen.getListSize(), s.size);
}

TEST(ZelkinaryScene, TheFilterKeepsOnlySpeciesOfThatTypeInDatabaseOrder) {
    JourneyWorld world;
    FilteredIndex screen;
    screen.controler = &world.keys.controler;
    screen.init(world.parser, world.options);
    ZelkinType* fire = world.parser->findType("Braise");
    ASSERT_NE(fire, nullptr);
    screen.filterBy(fire->getId());
    std::vector<ZelkinZelkinary*> expected;
    for (ZelkinZelkinary* species : world.parser->getSpeciesList())
        if (species->hasTypeId(fire->getId())) expected.push_back(species);
    ASSERT_GT(expected.size(), 1u);
    ASSERT_LT(expected.size(), world.parser->getSpeciesList().size());
    ASSERT_EQ(screen.getListSize(), static_cast<int>(expected.size()));
    for (int r = 0; r < Scene_Zelkinary::VISIBLE_ROWS; ++r)
        EXPECT_EQ(screen.getVisibleRow(r), r < static_cast<int>(expected.size()) ? expected[r] : nullptr)
            << r;
    EXPECT_EQ(screen.getSpecies(), expected[0]);
}

TEST(ZelkinaryScene, AListOfTwelveOrFewerNeverScrollsAndTheMarkerStaysOnTheSpecies) {
    IndexScreen s;
    ZelkinType* fire = s.world.parser->findType("Braise");
    ASSERT_NE(fire, nullptr);
    s.screen.filterBy(fire->getId());
    int size = s.screen.getListSize();
    ASSERT_GE(size, 8);
    ASSERT_LE(size, Scene_Zelkinary::VISIBLE_ROWS);
    s.press({sf::Keyboard::Return});
    const std::pair<sf::Keyboard::Key, int> steps[] = {
        {sf::Keyboard::Right, size - 1}, {sf::Keyboard::Down, 0}, {sf::Keyboard::Up, size - 1}};
    for (const auto& step : steps) {
        s.press({step.first});
        EXPECT_EQ(s.screen.getCursor(), step.second) << step.first;
        EXPECT_EQ(s.screen.getScrollTop(), 0) << step.first;
        EXPECT_EQ(s.screen.getVisibleRow(s.screen.getCursor() - s.screen.getScrollTop()),
                  s.screen.getSpecies())
            << step.first;
    }
}

TEST(ZelkinaryScene, AFilterNobodyMatchesLeavesAnEmptyUsableScreen) {
    IndexScreen s;
    ZelkinType unused("Vide");
    s.screen.filterBy(unused.getId());
    s.press({sf::Keyboard::Return});
    ASSERT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_LIST);
    ASSERT_EQ(s.screen.getListSize(), 0);
    EXPECT_EQ(s.screen.getSpecies(), nullptr);
    EXPECT_EQ(s.screen.getDisplayCreature(), nullptr);
    EXPECT_EQ(s.screen.getVisibleRow(0), nullptr);
    EXPECT_FALSE(s.screen.getFigure()->isShown());
    for (auto key : {sf::Keyboard::Up, sf::Keyboard::Down, sf::Keyboard::Left, sf::Keyboard::Right})
        s.press({key});
    EXPECT_EQ(s.screen.getCursor(), 0);
    EXPECT_EQ(s.screen.getScrollTop(), 0);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_MOVES);
    for (auto key : {sf::Keyboard::Up, sf::Keyboard::Down, sf::Keyboard::Left, sf::Keyboard::Right})
        s.press({key});
    EXPECT_EQ(s.screen.getMoveIndex(), 0);
    EXPECT_EQ(s.screen.getFormIndex(), 0);
    EXPECT_TRUE(s.screen.isAlive());
}

TEST(ZelkinaryScene, MoveCursorWrapsToTheLastMoveAndFormsCycleBackToTheSpecies) {
    IndexScreen s;
    // The first species learns four moves and has one alternate form.
    ZelkinZelkinary* first = s.world.parser->getSpeciesList()[0];
    ASSERT_EQ(first->getMoveCount(), 4);
    ASSERT_EQ(first->getFormCount(), 1);
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Return});
    ASSERT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_MOVES);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getMoveIndex(), 3);
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getMoveIndex(), 0);
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getMoveIndex(), 0);
    EXPECT_EQ(s.screen.getFormIndex(), 1);
    EXPECT_EQ(s.screen.getShownRecord(), first->getFormAt(0));
    EXPECT_EQ(s.screen.getDisplayCreature()->getSpecies(), first->getFormAt(0));
    // The form has a single move: the cursor wraps onto it.
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getMoveIndex(), 0);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getFormIndex(), 0);
    EXPECT_EQ(s.screen.getShownRecord(), first);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getFormIndex(), 1);
    // Backspace steps back one mode at a time; Backspace in the menu leaves.
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_LIST);
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getMode(), Scene_Zelkinary::MODE_MENU);
    s.press({sf::Keyboard::Space});
    EXPECT_TRUE(s.screen.isAlive());
    s.press({sf::Keyboard::BackSpace});
    EXPECT_FALSE(s.screen.isAlive());
    EXPECT_EQ(s.world.particles.count(), 0);
}

TEST(ZelkinaryScene, EscapeLeavesFromAnyMode) {
    IndexScreen s;
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Escape});
    EXPECT_FALSE(s.screen.isAlive());
    EXPECT_FALSE(s.world.particles.contains(s.screen.getFigure()));
}

// Drawn in a real window: the sheet (here the black outline of its name box) shows only while a
// species is selected.
int darkPixelsOnNameBoxEdge(GameWindow& window) {
    sf::Image frame = captureFrame(window);
    sf::RenderWindow* target = window.getRenderWindow();
    int dark = 0;
    for (int x = 469; x <= 475; ++x)
        for (int y = 60; y <= 120; y += 4) {
            sf::Vector2i at =
                target->mapCoordsToPixel(sf::Vector2f(static_cast<float>(x), static_cast<float>(y)));
            sf::Color c = frame.getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
            if (c.r < 60 && c.g < 60 && c.b < 60) ++dark;
        }
    return dark;
}

TEST(ZelkinaryScene, TheSheetIsDrawnOnlyWithASpeciesSelected) {
    GameWindow window;
    IndexScreen s;
    s.screen.window = &window;
    s.screen.draw();
    EXPECT_GT(darkPixelsOnNameBoxEdge(window), 0);
    ZelkinType unused("Vide");
    s.screen.filterBy(unused.getId());
    ASSERT_EQ(s.screen.getListSize(), 0);
    s.screen.draw();
    EXPECT_EQ(darkPixelsOnNameBoxEdge(window), 0);
}

// The main menu's second and third entries open the journey selection (handing on the menu's flag)
// and the creature index on the loaded database.
TEST(ZelkinaryScene, MenuOpensTheJourneySelectionAndTheIndex) {
    JourneyWorld world;
    Scene_Menu menu;
    menu.controler = &world.keys.controler;
    menu.result = 1;
    world.keys.frame();
    menu.run();
    finishChild(menu, 0); // the first-start welcome
    ASSERT_TRUE(menu.isLoaded());
    menu.inheritedFlag = true;
    tap(world.keys, menu, {sf::Keyboard::Down});
    world.keys.frame({sf::Keyboard::Return});
    menu.run();
    SceneJourneySelection* selection = dynamic_cast<SceneJourneySelection*>(menu.child);
    ASSERT_NE(selection, nullptr);
    EXPECT_TRUE(selection->inheritedFlag);
    EXPECT_EQ(selection->getDifficulty(), 4);
    tap(world.keys, menu, {sf::Keyboard::Escape});
    EXPECT_EQ(menu.child, nullptr);

    tap(world.keys, menu, {sf::Keyboard::Down});
    world.keys.frame({sf::Keyboard::Return});
    menu.run();
    Scene_Zelkinary* index = dynamic_cast<Scene_Zelkinary*>(menu.child);
    ASSERT_NE(index, nullptr);
    EXPECT_FALSE(index->inheritedFlag);
    EXPECT_EQ(index->getListSize(), static_cast<int>(world.parser->getSpeciesList().size()));
    tap(world.keys, menu, {sf::Keyboard::Escape});
    EXPECT_EQ(menu.child, nullptr);
    EXPECT_TRUE(menu.isAlive());
}

} // namespace
