// The battle information panels read back from the frame: bars, gauges, entries and the three panels.
#include <gtest/gtest.h>

#include "presentation/GameWindow.hpp"
#include "rules/ZelkinBattleStat.hpp"
#include "tests/BattleFixture.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

const sf::Color GREEN(0, 255, 0);
const sf::Color YELLOW(255, 255, 0);
const sf::Color RED(255, 0, 0);
const sf::Color BLUE(0, 0, 255);
const sf::Color FRAME(100, 100, 100);
const sf::Color WHITE(255, 255, 255);

// A battle data set and a window whose pictures are flat colours: the bar cells green, yellow, red and
// blue (2 x 4 each), a grey bar frame, a white box.
class PanelWorld : public ::testing::Test {
protected:
    void SetUp() override {
        writeBandsPng("img/hpbar.png", {GREEN, YELLOW, RED, BLUE}, 2, 4);
        writeBandsPng("img/lifebar.png", {FRAME}, 130, 8);
        writeBandsPng("img/box.png", {WHITE}, 96, 16);
        window = new GameWindow();
        ASSERT_EQ(window->getRenderWindow()->getSize(), sf::Vector2u(853, 480));
        clear();
    }
    void TearDown() override {
        delete window;
        for (Zelkin* creature : creatures)
            delete creature;
    }
    void clear() { window->getRenderWindow()->clear(sf::Color::Black); }
    sf::Color at(int x, int y) { return captureFrame(*window).getPixel(x, y); }
    // Whether text ink (nearly black pixels) shows in the rectangle.
    bool inkIn(int x, int y, int w, int h) {
        sf::Image frame = captureFrame(*window);
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) {
                sf::Color c = frame.getPixel(i, j);
                if (c.r < 64 && c.g < 64 && c.b < 64) return true;
            }
        return false;
    }
    Zelkin* creature(const std::string& name) {
        creatures.push_back(world.makeCreature(name));
        return creatures.back();
    }

    BattleFixture world;
    GameWindow* window = nullptr;
    std::vector<Zelkin*> creatures;
};

TEST_F(PanelWorld, HpBarColourFollowsTheWidth) {
    struct Case {
        int width;
        sf::Color colour;
    };
    for (const Case& c : {Case{48, GREEN}, Case{25, GREEN}, Case{24, YELLOW}, Case{11, YELLOW}, Case{10, RED},
                          Case{1, RED}}) {
        clear();
        window->drawHpBar(100, 100, c.width);
        sf::Image frame = captureFrame(*window);
        EXPECT_TRUE(sameColour(frame.getPixel(130, 103), c.colour)) << c.width;
        EXPECT_TRUE(sameColour(frame.getPixel(130 + 2 * c.width - 1, 103), c.colour)) << c.width;
        EXPECT_TRUE(sameColour(frame.getPixel(130 + 2 * c.width, 103), FRAME)) << c.width;
    }
    clear();
    window->drawHpBar(100, 100, 0);
    EXPECT_TRUE(sameColour(at(130, 103), FRAME));
    EXPECT_TRUE(sameColour(at(100, 100), FRAME));
}

TEST_F(PanelWorld, HpBarNeverSpillsBeyondItsFrame) {
    window->drawHpBar(100, 100, 400);
    sf::Image frame = captureFrame(*window);
    EXPECT_TRUE(sameColour(frame.getPixel(225, 103), GREEN));
    EXPECT_TRUE(sameColour(frame.getPixel(226, 103), FRAME));
    EXPECT_TRUE(sameColour(frame.getPixel(240, 103), sf::Color::Black));
}

TEST_F(PanelWorld, GaugeIsCappedAtFiftySegments) {
    window->drawGauge(10, 200, 80);
    EXPECT_TRUE(sameColour(at(10, 201), BLUE));
    EXPECT_TRUE(sameColour(at(109, 201), BLUE));
    EXPECT_TRUE(sameColour(at(110, 201), sf::Color::Black));
    clear();
    window->drawGauge(10, 200, 0);
    window->drawGauge(10, 200, -4);
    EXPECT_EQ(inkBox(captureFrame(*window), sf::Color::Black).width, 0);
}

TEST_F(PanelWorld, StatGaugesScaleByTheBaseLevel) {
    Zelkin* flamby = creature("Flamby");
    const int x = 200, y = 150;
    // No base level set: the panel draws, the gauges stay empty (no division by zero).
    window->baseLevel = 0;
    window->drawCreatureInfoPanel(flamby, WHITE, true, x, y);
    EXPECT_TRUE(sameColour(at(x + 170, y + 53), WHITE));

    clear();
    window->baseLevel = 50;
    window->drawCreatureInfoPanel(flamby, WHITE, true, x, y);
    int hpSegments = std::min(flamby->getMaxHp() * 50 / 50 / 6, 50);
    ASSERT_GT(hpSegments, 0);
    EXPECT_TRUE(sameColour(at(x + 170 + 2 * hpSegments - 1, y + 53), BLUE));
    EXPECT_TRUE(sameColour(at(x + 170 + 2 * hpSegments, y + 53), WHITE));
    int attackSegments = std::min(flamby->getAttack(), 50);
    EXPECT_TRUE(sameColour(at(x + 170 + 2 * attackSegments - 1, y + 75), BLUE));

    // Without the statistics, no stat lines at all.
    clear();
    window->drawCreatureInfoPanel(flamby, WHITE, false, x, y);
    EXPECT_FALSE(inkIn(x + 170, y + 40, 240, 60));
    EXPECT_TRUE(inkIn(x + 30, y + 18, 100, 20));
}

TEST_F(PanelWorld, EmptyPanelsAreJustTheirBoxes) {
    window->drawCreatureInfoPanel(nullptr, WHITE, true, 10, 10);
    EXPECT_EQ(inkBox(captureFrame(*window), sf::Color::Black), sf::IntRect(10, 10, 426, 220));
    EXPECT_FALSE(inkIn(20, 20, 400, 200));

    clear();
    window->drawBattleStatsPanel(nullptr, WHITE, true, 10, 60);
    EXPECT_EQ(inkBox(captureFrame(*window), sf::Color::Black), sf::IntRect(10, 60, 426, 220));

    clear();
    window->drawMoveInfoPanel(nullptr, WHITE, 300, 100);
    EXPECT_EQ(inkBox(captureFrame(*window), sf::Color::Black, 10), sf::IntRect(300, 100, 280, 250));
}

TEST_F(PanelWorld, EmptyEntryShowsTheUnknownMark) {
    window->drawCreatureEntry(nullptr, WHITE, 3, 100, 100, 0);
    // Palette colour 13 (grey, alpha 224) over black, and "???" in the corner.
    sf::Color fill = at(150, 150);
    EXPECT_NEAR(fill.r, 128 * 224 / 255, 2);
    EXPECT_TRUE(inkIn(104, 104, 30, 10));
    // The number of an empty entry is not shown.
    EXPECT_FALSE(inkIn(114, 122, 26, 16));
}

TEST_F(PanelWorld, EntryNumberOnlyWhenPositive) {
    window->drawCreatureEntry(creature("Flamby"), WHITE, 4, 100, 100, 0);
    EXPECT_TRUE(inkIn(114, 120, 26, 20));
    clear();
    window->drawCreatureEntry(creature("Flamby"), WHITE, 0, 100, 100, 0);
    EXPECT_FALSE(inkIn(114, 120, 26, 20));
    EXPECT_TRUE(inkIn(104, 104, 60, 10));
}

TEST_F(PanelWorld, StatisticsPanelShowsOnlyCountersAboveZero) {
    Zelkin* flamby = creature("Flamby");
    const int x = 10, y = 80;
    flamby->createBattleStatRecord();
    window->drawBattleStatsPanel(flamby, WHITE, false, x, y);
    // The side box is there, with no rows.
    EXPECT_TRUE(sameColour(at(x + 500, y + 100), WHITE));
    EXPECT_FALSE(inkIn(x + 440, y - 34, 170, 350));

    clear();
    std::shared_ptr<ZelkinBattleStat> record = flamby->getBattleStatRecord();
    record->add(253, 0); // damage dealt, tenths of a percent
    record->add(2, 9);   // knocked out twice
    record->add(5, 1);   // counter 1 is never shown
    window->drawBattleStatsPanel(flamby, WHITE, false, x, y);
    EXPECT_TRUE(inkIn(x + 446, y + 130, 100, 10));  // "Dégâts infligés"
    EXPECT_TRUE(inkIn(x + 560, y + 142, 47, 14));   // "26%"
    EXPECT_TRUE(inkIn(x + 446, y + 90, 60, 10));    // "Tombé K.O"
    EXPECT_FALSE(inkIn(x + 440, y - 34, 170, 110)); // "Choisi", "MVP", "K.O infligés"
    EXPECT_FALSE(inkIn(x + 440, y + 166, 170, 150));
}

TEST_F(PanelWorld, MovePanelPowerLineByCategory) {
    ZelkinType* neutral = world.parser->findType("Neutre");
    ZelkinMove status("Brume", neutral, "statut", 10, nullptr);
    ZelkinMove weak("Tape", neutral, "physique", 10, nullptr);
    weak.setPower(0);
    weak.setDamageKindFromWord("20");
    const int x = 300, y = 100;

    window->drawMoveInfoPanel(&status, WHITE, x, y);
    EXPECT_TRUE(inkIn(x + 10, y + 88, 80, 10));    // "Précision :"
    EXPECT_FALSE(inkIn(x + 10, y + 100, 260, 10)); // no "Puissance :"
    EXPECT_FALSE(inkIn(x + 10, y + 120, 260, 30)); // no effect line

    clear();
    window->drawMoveInfoPanel(&weak, WHITE, x, y);
    EXPECT_TRUE(inkIn(x + 10, y + 100, 80, 10));  // "Puissance :"
    EXPECT_TRUE(inkIn(x + 110, y + 100, 10, 10)); // "-"
    EXPECT_TRUE(inkIn(x + 10, y + 120, 200, 10)); // "Inflige 20 points de dégâts."
}

TEST_F(PanelWorld, ShortNames) {
    EXPECT_EQ(window->statusShortName(0), "");
    EXPECT_EQ(window->statusShortName(1), "PSN");
    EXPECT_EQ(window->statusShortName(7), "K.O");
    EXPECT_EQ(window->statusShortName(8), "");
    EXPECT_EQ(window->statusShortName(-1), "");
    EXPECT_EQ(window->categoryName(0), "Statut");
    EXPECT_EQ(window->categoryName(1), "Physique");
    EXPECT_EQ(window->categoryName(2), "Special");
    EXPECT_EQ(window->categoryName(3), "Statut");
    EXPECT_EQ(window->weatherName(3), "Gr\xea"
                                      "le");
    EXPECT_EQ(window->weatherName(4), "Sable");
    EXPECT_EQ(window->weatherName(5), "");
}

} // namespace
