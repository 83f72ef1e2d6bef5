// Modes that build teams of six refuse a ruleset admitting fewer species, stay put and say why.
#include <gtest/gtest.h>

#include "JourneySupport.hpp"
#include "rules/Ruleset.hpp"
#include "scenes/SceneJourneySelection.hpp"
#include "scenes/Scene_QuickBattle.hpp"
#include "scenes/Scene_Tag_Prep.hpp"

namespace {

using K = sf::Keyboard;

// Pixels of a canvas rectangle, in what the window shows now, that are clearly red.
int redIn(GameWindow& window, int x, int y, int w, int h) {
    return canvasPixelsIn(window, x, y, w, h, [](sf::Color c) { return c.r > 150 && c.g < 90 && c.b < 90; });
}

TEST(RulesetShortage, QuickBattleJourneyAndTagTournamentRefuseThreeSpeciesAndSayWhy) {
    GameWindow window;
    JourneyWorld world;
    // The second ruleset narrowed to the three weakest species.
    Ruleset* narrow = world.parser->getRulesetAt(1);
    ASSERT_NE(narrow, nullptr);
    narrow->maxSumStats = 372;
    world.parser->selectRuleset(1);
    ASSERT_EQ(world.parser->countAllowedSpecies(), 3);

    // Each screen with its start keys and where it explains the refusal.
    auto check = [&](Scene& scene, std::initializer_list<K::Key> start, int x, int y, const char* name) {
        SCOPED_TRACE(name);
        scene.window = &window;
        scene.controler = &world.keys.controler;
        for (K::Key key : start)
            tap(world.keys, scene, {key});
        EXPECT_EQ(scene.child, nullptr);
        EXPECT_TRUE(scene.isAlive());
        if (scene.child != nullptr) {
            finishChild(scene, 0);
            return;
        }
        EXPECT_GT(redIn(window, x, y, 200, 16), 0);
    };

    Scene_QuickBattle quick;
    quick.window = &window;
    quick.init(world.builder, world.options, world.roster);
    check(quick, {K::Return}, 320, 320, "quick battle");
    EXPECT_EQ(quick.getPage(), Scene_QuickBattle::PAGE_MAIN);
    EXPECT_EQ(quick.getCursor(), Scene_QuickBattle::ENTRY_START);

    SceneJourneySelection selection;
    selection.window = &window;
    selection.init();
    check(selection, {K::Return, K::Return}, 60, 260, "journey");

    Scene_Tag_Prep prep;
    prep.window = &window;
    prep.init();
    check(prep, {K::Return}, 320, 290, "tag tournament");
    EXPECT_EQ(prep.getPage(), Scene_Tag_Prep::PAGE_MAIN);
}

} // namespace
