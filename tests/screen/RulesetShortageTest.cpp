// Modes that build teams of six refuse a ruleset admitting fewer species, stay put and say why.
#include <gtest/gtest.h>

#include <string>

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

// The second ruleset narrowed to the three weakest species.
void narrowToThreeSpecies(JourneyWorld& world) {
    Ruleset* narrow = world.parser->getRulesetAt(1);
    ASSERT_NE(narrow, nullptr);
    narrow->maxSumStats = 372;
    world.parser->selectRuleset(1);
    ASSERT_EQ(world.parser->countAllowedSpecies(), 3);
}

TEST(RulesetShortage, QuickBattleJourneyAndTagTournamentRefuseThreeSpeciesAndSayWhy) {
    GameWindow window;
    JourneyWorld world;
    ASSERT_NO_FATAL_FAILURE(narrowToThreeSpecies(world));

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

// Remembers where a screen asks for the shortage notice, and draws it as any window does.
class NoticeWatch : public GameWindow {
public:
    void drawSizedTextColored(std::string text, int size, int x, int y, sf::Color fill) override {
        if (text == NOTICE) {
            ++calls;
            lastSize = size;
            lastX = x;
            lastY = y;
        }
        GameWindow::drawSizedTextColored(text, size, x, y, fill);
    }
    static const std::string NOTICE;
    int calls = 0;
    int lastSize = 0;
    int lastX = 0;
    int lastY = 0;
};
const std::string NoticeWatch::NOTICE = "Ruleset : 3 / 6 Zelkin";

TEST(RulesetShortage, TheWholeNoticeShowsInsideItsPanelAndTheJourneyAsksNothing) {
    NoticeWatch window;
    JourneyWorld world;
    ASSERT_NO_FATAL_FAILURE(narrowToThreeSpecies(world));
    // The glyphs' solid red, whatever the panel under their edges.
    auto solidRed = [](sf::Color c) { return sameColour(c, sf::Color(200, 0, 0), 40); };

    // A frame after the start key: the notice's layout box (one character size per character) lies in
    // its panel, and nearly all the solid red it shows when drawn alone still shows in the frame.
    auto check = [&](Scene& scene, K::Key start, sf::IntRect panel, const char* name) {
        SCOPED_TRACE(name);
        scene.window = &window;
        scene.controler = &world.keys.controler;
        window.calls = 0;
        tap(world.keys, scene, {start});
        ASSERT_GT(window.calls, 0);
        int width = window.lastSize * static_cast<int>(NoticeWatch::NOTICE.size());
        sf::IntRect box(window.lastX, window.lastY, width, window.lastSize);
        EXPECT_GE(box.left, panel.left);
        EXPECT_GE(box.top, panel.top);
        EXPECT_LE(box.left + box.width, panel.left + panel.width);
        EXPECT_LE(box.top + box.height, panel.top + panel.height);
        int shown = canvasPixelsIn(window, box.left, box.top - 4, box.width, box.height + 8, solidRed);

        window.getRenderWindow()->clear(sf::Color::White);
        window.GameWindow::drawSizedTextColored(NoticeWatch::NOTICE, window.lastSize, window.lastX,
                                                window.lastY, sf::Color(200, 0, 0));
        int alone = canvasPixelsIn(window, 0, 0, 853, 480, solidRed);
        EXPECT_GT(alone, 0);
        EXPECT_GE(shown * 100, alone * 95) << shown << " of " << alone;
    };

    Scene_QuickBattle quick;
    quick.window = &window;
    quick.init(world.builder, world.options, world.roster);
    check(quick, K::Return, sf::IntRect(290, 180, 276, 290), "quick battle rules panel");
    EXPECT_EQ(quick.child, nullptr);

    SceneJourneySelection selection;
    selection.window = &window;
    selection.init();
    check(selection, K::Return, sf::IntRect(22, 130, 300, 340), "journey left panel");
    EXPECT_FALSE(selection.isConfirming());

    Scene_Tag_Prep prep;
    prep.window = &window;
    prep.init();
    check(prep, K::Return, sf::IntRect(290, 180, 276, 290), "tag tournament rules panel");
    EXPECT_EQ(prep.child, nullptr);
}

} // namespace
