// Sprite sheets: the data/textures/ reader with its error lines, grids, frames and mirrored facings.
#include <gtest/gtest.h>

#include <memory>

#include "presentation/QX_Texture.hpp"
#include "rules/ErrorLog.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

// Four columns of distinct colours, 8 x 8 cells, two rows.
sf::Image fourColumns() {
    const sf::Color colours[4] = {sf::Color::Red, sf::Color::Green, sf::Color::Blue, sf::Color::Yellow};
    sf::Image image;
    image.create(32, 16);
    for (unsigned x = 0; x < 32; ++x)
        for (unsigned y = 0; y < 16; ++y)
            image.setPixel(x, y, colours[x / 8]);
    return image;
}

} // namespace

TEST(TextureSheetReader, BadElementsLogTheirNumberAndTheRestIsRead) {
    ScratchDir dir;
    writeBandsPng("img/sheet.png", {sf::Color::Red}, 32, 16);
    dir.write(
        "data/textures/sheets.xml",
        "<texture><filename>img/sheet.png</filename><name>first</name><height>8</height><width>8</width>"
        "<iteration_x>4</iteration_x><iteration_y>2</iteration_y><base_scaling>2.5</base_scaling></texture>"
        "<texture><filename>img/sheet.png</filename><name>no width</name><height>8</height></texture>"
        "<texture><name>no file</name><height>8</height><width>8</width></texture>"
        "<texture><filename>img/sheet.png</filename><name>half grid</name><height>8</height>"
        "<width>8</width><iteration_x>4</iteration_x></texture>"
        "<texture><filename>img/missing.png</filename><name>no picture</name><height>8</height>"
        "<width>8</width></texture>"
        "<texture><filename>img/sheet.png</filename><name>no cells</name><height>8</height>"
        "<width>0</width></texture>");
    dir.write("data/textures/broken.xml", "<texture><name>never closed</name>");
    dir.write("data/textures/notes.txt", "<texture><filename>x</filename><name>ignored</name>"
                                         "<height>1</height><width>1</width></texture>");
    GameWindow window;

    // Sheets without a picture or without cells are left out with a line, as is a file that does not parse.
    EXPECT_EQ(2, window.countTextureSheets());
    std::vector<std::string> lines = errorLogLines();
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ(0u, lines[0].rfind("ERROR with File data/textures/broken.xml : ", 0)) << lines[0];
    EXPECT_EQ(
        (std::vector<std::string>{
            "ERROR with File data/textures/sheets.xml : Invalid properties from Texture element number 2",
            "ERROR with File data/textures/sheets.xml : Invalid properties from Texture element number 3",
            "ERROR with File data/textures/sheets.xml : Texture no picture : cannot load the picture "
            "img/missing.png",
            "ERROR with File data/textures/sheets.xml : Texture no cells : cell size 0 x 8 below 1"}),
        std::vector<std::string>(lines.begin() + 1, lines.end()));
    EXPECT_EQ(nullptr, window.findTexture("no picture"));
    EXPECT_EQ(nullptr, window.findTexture("no cells"));

    QX_Texture* first = window.findTexture("first");
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(4, first->getColumns());
    EXPECT_EQ(2, first->getRows());
    EXPECT_FLOAT_EQ(2.5f, first->getScale());
    std::unique_ptr<sf::Sprite> sprite(first->newCellSprite(1, 1));
    ASSERT_NE(nullptr, sprite);
    EXPECT_EQ(sf::Vector2f(2.5f, 2.5f), sprite->getScale());

    // Only one of the two grid sizes: the grid stays 99 x 99.
    QX_Texture* half = window.findTexture("half grid");
    ASSERT_NE(nullptr, half);
    EXPECT_EQ(99, half->getColumns());
    EXPECT_EQ(99, half->getRows());
    EXPECT_EQ(nullptr, window.findTexture("no width"));
    EXPECT_EQ(nullptr, window.findTexture("First"));
}

TEST(TextureSheet, FramesRunRowByRowInsideTheGrid) {
    ScratchDir dir;
    QX_Texture sheet("sheet", fourColumns(), 8, 8);
    // Without a grid any cell below 99 x 99 is accepted, even outside the picture.
    std::unique_ptr<sf::Sprite> far(sheet.newCellSprite(98, 98));
    ASSERT_NE(nullptr, far);
    EXPECT_EQ(sf::IntRect(784, 784, 8, 8), far->getTextureRect());
    EXPECT_EQ(nullptr, sheet.newCellSprite(99, 0));

    sheet.setGrid(4, 2);
    std::unique_ptr<sf::Sprite> fifth(sheet.newFrameSprite(5));
    ASSERT_NE(nullptr, fifth);
    EXPECT_EQ(sf::IntRect(8, 8, 8, 8), fifth->getTextureRect());
    EXPECT_EQ(nullptr, sheet.newFrameSprite(8));
    EXPECT_EQ(nullptr, sheet.newFrameSprite(-1));
    EXPECT_EQ(nullptr, sheet.newCellSprite(-1, 0));

    // Re-framing outside the grid leaves the sprite as it was; re-framing keeps its scale.
    sheet.setScale(3.f);
    fifth->setScale(1.f, 1.f);
    EXPECT_EQ(nullptr, sheet.setFrameRect(fifth.get(), 9));
    EXPECT_EQ(sf::IntRect(8, 8, 8, 8), fifth->getTextureRect());
    EXPECT_EQ(fifth.get(), sheet.setFrameRect(fifth.get(), 2));
    EXPECT_EQ(sf::IntRect(16, 0, 8, 8), fifth->getTextureRect());
    EXPECT_EQ(sf::Vector2f(1.f, 1.f), fifth->getScale());
    EXPECT_EQ(nullptr, sheet.setCellRect(nullptr, 0, 0));
}

TEST(TextureSheet, MirroredFacingCountsColumnsFromTheRight) {
    ScratchDir dir;
    QX_Texture sheet("sheet", fourColumns(), 8, 8);
    sheet.setGrid(4, 2);
    std::unique_ptr<sf::Sprite> mirrored(sheet.newCellSpriteFacing(0, 1, 1));
    ASSERT_NE(nullptr, mirrored);
    EXPECT_EQ(sf::IntRect(24, 8, 8, 8), mirrored->getTextureRect());
    // That rectangle of the mirrored picture shows column 0's pixels.
    sf::Image pixels = mirrored->getTexture()->copyToImage();
    EXPECT_EQ(sf::Color::Red, pixels.getPixel(24, 8));

    std::unique_ptr<sf::Sprite> normal(sheet.newCellSpriteFacing(0, 1, 0));
    EXPECT_EQ(sf::IntRect(0, 8, 8, 8), normal->getTextureRect());
    EXPECT_EQ(sf::Color::Red, normal->getTexture()->copyToImage().getPixel(0, 8));

    // The facing re-framers re-bind the texture; the plain ones never do.
    const sf::Texture* mirroredTexture = mirrored->getTexture();
    sheet.setFrameRectFacing(normal.get(), 1, 2);
    EXPECT_EQ(mirroredTexture, normal->getTexture());
    EXPECT_EQ(sf::IntRect(16, 0, 8, 8), normal->getTextureRect());
    sheet.setCellRect(normal.get(), 0, 0);
    EXPECT_EQ(mirroredTexture, normal->getTexture());
    sheet.setCellRectFacing(normal.get(), 3, 0, -1);
    EXPECT_NE(mirroredTexture, normal->getTexture());
    EXPECT_EQ(sf::IntRect(24, 0, 8, 8), normal->getTextureRect());

    // Without a declared grid the mirror spans the four columns the picture holds, not the default 99.
    QX_Texture gridless("gridless", fourColumns(), 8, 8);
    std::unique_ptr<sf::Sprite> first(gridless.newCellSpriteFacing(0, 0, 1));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(sf::IntRect(24, 0, 8, 8), first->getTextureRect());
    EXPECT_EQ(sf::Color::Red, first->getTexture()->copyToImage().getPixel(24, 0));
}
