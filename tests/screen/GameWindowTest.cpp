// The game window: its canvas, shapes, pictures, text placement, notice and palette, read back as pixels.
#include <gtest/gtest.h>

#include <functional>

#include "tests/screen/ScreenSupport.hpp"

namespace {

const sf::Color kRed(255, 0, 0);
const sf::Color kBlue(0, 0, 255);
const sf::Color kWhite(255, 255, 255);

// A window opened in a fresh folder; pictures written into the folder before it opens are its images.
class WindowFixture : public ::testing::Test {
protected:
    void open() {
        window = new GameWindow();
        window->getRenderWindow()->clear(kWhite);
    }
    void TearDown() override { delete window; }
    sf::Image frame() { return captureFrame(*window); }
    void clear(sf::Color colour = kWhite) { window->getRenderWindow()->clear(colour); }

    ScratchDir dir;
    GameWindow* window = nullptr;
};

} // namespace

TEST_F(WindowFixture, OpensOnTheLogicalCanvasAndComesBackFromFullscreen) {
    open();
    sf::RenderWindow* target = window->getRenderWindow();
    ASSERT_TRUE(target->isOpen());
    EXPECT_EQ(sf::Vector2u(853, 480), target->getSize());

    window->toggleFullscreen();
    window->toggleFullscreen();
    target = window->getRenderWindow();
    ASSERT_TRUE(target->isOpen());
    EXPECT_EQ(sf::Vector2u(853, 480), target->getSize());
    EXPECT_EQ(sf::Vector2f(426.5f, 240.f), target->getView().getCenter());
    EXPECT_EQ(sf::Vector2f(853.f, 480.f), target->getView().getSize());
}

TEST_F(WindowFixture, ShapesCoverExactlyTheirRectangles) {
    open();
    window->drawFilledRect(kRed, 10, 20, 60, 50);
    window->drawRectOutlined(kBlue, kRed, 200, 100, 40, 30);
    window->drawConvexShape(kBlue, 400, 300, 500, 300);
    sf::Image image = frame();

    EXPECT_TRUE(sameColour(kRed, image.getPixel(10, 20)));
    EXPECT_TRUE(sameColour(kRed, image.getPixel(59, 49)));
    EXPECT_TRUE(sameColour(kWhite, image.getPixel(9, 20)));
    EXPECT_TRUE(sameColour(kWhite, image.getPixel(60, 50)));
    // The outline is 2 units thick, outside the rectangle.
    EXPECT_TRUE(sameColour(kBlue, image.getPixel(200, 100)));
    EXPECT_TRUE(sameColour(kRed, image.getPixel(198, 100)));
    EXPECT_TRUE(sameColour(kRed, image.getPixel(241, 129)));
    EXPECT_TRUE(sameColour(kWhite, image.getPixel(197, 100)));
    // A 4-unit stroke around the line from (400, 300) to (500, 300).
    EXPECT_TRUE(sameColour(kBlue, image.getPixel(450, 299)));
    EXPECT_TRUE(sameColour(kBlue, image.getPixel(450, 301)));
    EXPECT_TRUE(sameColour(kWhite, image.getPixel(450, 305)));
}

TEST_F(WindowFixture, PaletteHasTwentyColoursAndFallsBackToTheFirst) {
    open();
    EXPECT_EQ(sf::Color(255, 255, 255, 224), window->paletteColor(0));
    EXPECT_EQ(sf::Color(64, 64, 192, 224), window->paletteColor(1));
    EXPECT_EQ(sf::Color(182, 255, 128, 224), window->paletteColor(9));
    EXPECT_EQ(sf::Color(128, 128, 128, 224), window->paletteColor(13));
    EXPECT_EQ(sf::Color(182, 0, 32, 255), window->paletteColor(16));
    EXPECT_EQ(sf::Color(64, 0, 182, 255), window->paletteColor(17));
    EXPECT_EQ(sf::Color(0, 0, 0, 255), window->paletteColor(18));
    EXPECT_EQ(sf::Color(0, 0, 0, 255), window->paletteColor(19));
    EXPECT_EQ(window->paletteColor(0), window->paletteColor(20));
    EXPECT_EQ(window->paletteColor(0), window->paletteColor(-1));

    // Translucent entries blend with what lies under them.
    window->drawFilledRect(window->paletteColor(1), 0, 0, 10, 10);
    sf::Color blended = frame().getPixel(5, 5);
    EXPECT_TRUE(sameColour(sf::Color(87, 87, 199), blended, 3)) << int(blended.r) << "," << int(blended.b);
}

TEST_F(WindowFixture, PicturesLandAtTheirPlaceAndMissingOnesDrawNothing) {
    writeBandsPng("img/cursor.png", {kRed}, 4, 4);
    open();
    window->drawUiSprite(GameWindow::UI_CURSOR, 100, 50);
    // No image in these slots, or no slot at all: nothing drawn, no failure.
    window->drawUiSprite(1, 300, 300);
    window->drawUiSprite(GameWindow::UI_JOURNEY, 300, 300);
    window->drawUiSprite(500, 300, 300);
    window->drawUiSprite(-1, 300, 300);
    window->drawSpriteAt(nullptr, 300, 300);
    sf::Image image = frame();
    EXPECT_EQ(sf::IntRect(100, 50, 4, 4), inkBox(image, kWhite));

    // Scaled for one drawing only.
    clear();
    sf::Texture texture;
    texture.loadFromFile("img/cursor.png");
    sf::Sprite sprite(texture);
    window->drawSpriteScaled(&sprite, 20, 30, 3.f);
    EXPECT_EQ(sf::IntRect(20, 30, 12, 12), inkBox(frame(), kWhite));
    EXPECT_EQ(sf::Vector2f(1.f, 1.f), sprite.getScale());
}

TEST_F(WindowFixture, BoxEdgesAreLaidFromTheFarEndAndCutToWhatIsLeft) {
    // The six frame cells, each a colour of its own: corners 0-3, horizontal edge 4, vertical edge 5.
    const std::vector<sf::Color> cells = {sf::Color(10, 0, 0), sf::Color(20, 0, 0),  sf::Color(30, 0, 0),
                                          sf::Color(40, 0, 0), sf::Color(0, 200, 0), sf::Color(0, 0, 200)};
    writeBandsPng("img/box.png", cells, 16, 16);
    open();
    window->drawBox(kRed, 100, 100, 40, 40);
    sf::Image image = frame();
    EXPECT_TRUE(sameColour(cells[0], image.getPixel(100, 100), 2));
    EXPECT_TRUE(sameColour(cells[1], image.getPixel(124, 100), 2));
    EXPECT_TRUE(sameColour(cells[2], image.getPixel(100, 124), 2));
    EXPECT_TRUE(sameColour(cells[3], image.getPixel(139, 139), 2));
    // Inner width 8: one piece of 8 columns at x + 16, top and bottom; the same for the sides.
    EXPECT_TRUE(sameColour(cells[4], image.getPixel(116, 100), 2));
    EXPECT_TRUE(sameColour(cells[4], image.getPixel(123, 139), 2));
    EXPECT_TRUE(sameColour(cells[5], image.getPixel(100, 116), 2));
    EXPECT_TRUE(sameColour(cells[5], image.getPixel(139, 123), 2));
    EXPECT_TRUE(sameColour(kWhite, image.getPixel(140, 120), 2));

    clear();
    window->drawBox(kRed, 0, 0, 64, 48);
    image = frame();
    EXPECT_TRUE(sameColour(cells[1], image.getPixel(48, 0), 2));
    EXPECT_TRUE(sameColour(cells[4], image.getPixel(16, 0), 2));
    EXPECT_TRUE(sameColour(cells[4], image.getPixel(47, 0), 2));
    // Inner height 16: one full piece at y + 16; the fill shows inside.
    EXPECT_TRUE(sameColour(cells[5], image.getPixel(0, 16), 2));
    EXPECT_TRUE(sameColour(cells[5], image.getPixel(63, 31), 2));
    EXPECT_TRUE(sameColour(kRed, image.getPixel(32, 24), 2));
}

TEST_F(WindowFixture, TextsLandWhereThePlacementRuleSays) {
    open();
    struct Case {
        const char* name;
        int expectedLeft;
        int expectedRight;
        std::function<void()> draw;
    };
    // Characters count as one character size wide: right-aligned sized texts end at x, centred ones
    // straddle it, and small texts aligned right start size x (n - 1) before x.
    std::vector<Case> cases = {
        {"sized", 100, 140, [&] { window->drawSizedText("HH", 20, 100, 100); }},
        {"sized right", 260, 300, [&] { window->drawSizedTextRight("HH", 20, 300, 100); }},
        {"sized centred", 360, 440, [&] { window->drawSizedTextCentered("HHHH", 20, 400, 100); }},
        {"plain", 50, 74, [&] { window->drawText("HHH", 50, 100); }},
        {"plain right", 184, 208, [&] { window->drawTextRight("HHH", 200, 100); }},
        {"plain centred", 188, 212, [&] { window->drawTextCentered("HHH", 200, 100); }},
        {"medium", 30, 50, [&] { window->drawMediumText("HH", 30, 100); }},
    };
    for (const Case& c : cases) {
        clear();
        c.draw();
        sf::IntRect box = inkBox(frame(), kWhite);
        ASSERT_GT(box.width, 0) << c.name;
        EXPECT_NEAR(c.expectedLeft, box.left, 5) << c.name;
        EXPECT_NEAR(c.expectedRight, box.left + box.width, 5) << c.name;
        EXPECT_GE(box.top, 100) << c.name;
    }
}

TEST_F(WindowFixture, TextColoursAndOutlinesLastOneDrawingOnly) {
    open();
    window->drawTextColored("HHHH", 10, 10, kRed);
    window->drawText("HHHH", 10, 40);
    window->drawSizedTextOutlined("HHHH", 24, 10, 100, kWhite, kBlue);
    window->drawSizedText("HHHH", 24, 10, 200);
    window->drawMediumText("HHHH", 10, 300);
    sf::Image image = frame();
    auto inRows = [&](int top, int bottom, sf::Color colour) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 200; ++x)
                if (sameColour(image.getPixel(x, y), colour, 60)) ++n;
        return n;
    };
    const sf::Color black(0, 0, 0);
    EXPECT_GT(inRows(10, 30, kRed), 0);
    EXPECT_EQ(0, inRows(40, 60, kRed));
    EXPECT_GT(inRows(40, 60, black), 0);
    EXPECT_GT(inRows(100, 140, kBlue), 0);
    EXPECT_EQ(0, inRows(200, 240, kBlue));
    EXPECT_GT(inRows(200, 240, black), 0);
    EXPECT_GT(inRows(300, 320, kBlue), 0);
}

TEST_F(WindowFixture, NoticeRisesForFiftyFramesThenStops) {
    open();
    window->setNotice("HHHHHHHHHH");
    clear(sf::Color::Black);
    window->drawNotice(436, 0);
    sf::Image image = frame();
    // The banner spans the canvas from y + timer - 4 (timer 49 at the first frame), 24 high plus its outline.
    EXPECT_TRUE(sameColour(sf::Color(224, 224, 224), image.getPixel(5, 46), 3));
    EXPECT_TRUE(sameColour(sf::Color::Black, image.getPixel(5, 40), 3));
    // Ten characters at size 16 start at 436 - 16 x 10 / 2, in the notice's green.
    sf::IntRect green(INT_MAX, 0, 0, 0);
    for (unsigned x = 0; x < 853; ++x)
        for (unsigned y = 45; y < 75; ++y)
            if (image.getPixel(x, y).g > 200 && image.getPixel(x, y).r < 100)
                green.left = std::min<int>(green.left, x);
    EXPECT_NEAR(356, green.left, 4);

    for (int i = 1; i < 50; ++i)
        window->drawNotice(436, 0);
    clear(sf::Color::Black);
    window->drawNotice(436, 0);
    EXPECT_EQ(0, inkBox(frame(), sf::Color::Black, 3).width);
}

TEST_F(WindowFixture, NoticeColourFollowsTheCommentatorSetting) {
    open();
    window->setNotice("HHHH");
    window->randomTextColor(2);
    window->randomTextColor(7);
    clear(sf::Color::Black);
    window->drawNotice(436, 0);
    EXPECT_GT(countColour(frame(), kRed, 60), 0);
}
