// Creature pictures cut from the library sheets, supporter and icon framing, tints and the shadow.
#include <gtest/gtest.h>

#include "presentation/GameWindow.hpp"
#include "rules/ZelkinZelkinary.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

// Ten columns of 8 x 8 cells, two rows; each column its own colour.
const std::vector<sf::Color> COLUMNS = {
    sf::Color(250, 0, 0),   sf::Color(0, 250, 0),   sf::Color(0, 0, 250), sf::Color(250, 250, 0),
    sf::Color(0, 250, 250), sf::Color(250, 0, 250), sf::Color(120, 0, 0), sf::Color(0, 120, 0),
    sf::Color(0, 0, 120),   sf::Color(120, 120, 0)};

class SpriteWorld : public ::testing::Test {
protected:
    void SetUp() override {
        writeBandsPng("img/library.png", COLUMNS, 8, 16);
        writeBandsPng("img/shadow.png", {sf::Color::White}, 50, 20);
        // Four facings of three supporter kinds.
        writeBandsPng("img/supporters.png",
                      {sf::Color::Red, sf::Color::Green, sf::Color::Blue, sf::Color::White}, 16, 48);
        window = new GameWindow();
        window->loadCreatureImage("library.png", "ignored.png");
    }
    void TearDown() override {
        for (ZelkinZelkinary* record : species)
            delete record;
        delete window;
    }
    // A species drawn from cell `number` of library `library`, whose pictures look towards side 0.
    ZelkinZelkinary* makeSpecies(int number, int library = 0, int perRow = 10) {
        configs.push_back(std::make_unique<ZelkinZelkinaryConfig>(8, 8, perRow, 0));
        ZelkinZelkinary* record = new ZelkinZelkinary("Test", number);
        record->setConfig(configs.back().get());
        record->setLibraryId(library);
        species.push_back(record);
        return record;
    }
    // The colour a sprite shows when drawn alone at (100, 100).
    sf::Color drawn(sf::Sprite* sprite) {
        window->getRenderWindow()->clear(sf::Color::Black);
        window->drawSpriteAt(sprite, 100, 100);
        return captureFrame(*window).getPixel(101, 101);
    }

    ScratchDir dir;
    GameWindow* window = nullptr;
    std::vector<std::unique_ptr<ZelkinZelkinaryConfig>> configs;
    std::vector<ZelkinZelkinary*> species;
};

TEST_F(SpriteWorld, PictureNumbersRunAlongTheRows) {
    struct Case {
        int number;
        sf::IntRect rect;
    };
    for (const Case& c : {Case{1, {0, 0, 8, 8}}, Case{10, {72, 0, 8, 8}}, Case{11, {0, 8, 8, 8}}}) {
        std::unique_ptr<sf::Sprite> sprite(window->newCreatureSprite(makeSpecies(c.number), 0));
        EXPECT_EQ(sprite->getTextureRect(), c.rect) << c.number;
        // Cells narrower than 60 are drawn at twice their size.
        EXPECT_EQ(sprite->getScale(), sf::Vector2f(2.f, 2.f));
    }
    std::unique_ptr<sf::Sprite> tenth(window->newCreatureSprite(makeSpecies(10), 0));
    EXPECT_TRUE(sameColour(drawn(tenth.get()), COLUMNS[9]));
}

TEST_F(SpriteWorld, OtherFacingTakesTheMirroredSheet) {
    ZelkinZelkinary* first = makeSpecies(1);
    std::unique_ptr<sf::Sprite> mirrored(window->newCreatureSprite(first, 1));
    EXPECT_EQ(mirrored->getTextureRect(), sf::IntRect(72, 0, 8, 8));
    // Column 9 of the mirrored sheet is column 0 of the picture.
    EXPECT_TRUE(sameColour(drawn(mirrored.get()), COLUMNS[0]));
    sf::Sprite* shared = window->setCreatureFrame(first, 1);
    EXPECT_EQ(shared->getTextureRect(), sf::IntRect(72, 0, 8, 8));
    EXPECT_TRUE(sameColour(drawn(shared), COLUMNS[0]));
    EXPECT_TRUE(sameColour(drawn(window->setCreatureFrame(first, 0)), COLUMNS[0]));
    EXPECT_EQ(window->setCreatureFrame(first, 1), shared);
}

TEST_F(SpriteWorld, SizePercentScalesWithinHalfAndDouble) {
    ZelkinZelkinary* record = makeSpecies(3);
    for (auto [percent, scale] : std::vector<std::pair<int, float>>{
             {30, 1.f}, {50, 1.f}, {100, 2.f}, {150, 3.f}, {250, 4.f}, {-20, 1.f}}) {
        std::unique_ptr<sf::Sprite> sprite(window->newCreatureSpriteSized(record, 0, percent));
        EXPECT_FLOAT_EQ(sprite->getScale().x, scale) << percent;
        EXPECT_FLOAT_EQ(window->setCreatureFrameSized(record, 0, percent)->getScale().y, scale) << percent;
    }
    // The plain frame puts the sheet scale back.
    EXPECT_FLOAT_EQ(window->setCreatureFrame(record, 0)->getScale().x, 2.f);
}

TEST_F(SpriteWorld, SpeciesWithoutPictureDrawNothing) {
    // Library 1's picture is missing: logged, and its slots stay in place for library 2.
    window->loadCreatureImage("missing.png", "");
    window->loadCreatureImage("library.png", "");
    EXPECT_EQ((std::vector<std::string>{
                  "ERROR with File img/missing.png : Zelkinary number 2 : cannot load its picture"}),
              errorLogLines());
    std::unique_ptr<sf::Sprite> after(window->newCreatureSprite(makeSpecies(2, 2), 0));
    EXPECT_TRUE(sameColour(drawn(after.get()), COLUMNS[1]));
    // Library 1 has no picture, library 3 was never loaded; a layout without cells per row; no species.
    for (ZelkinZelkinary* record : {makeSpecies(1, 1), makeSpecies(1, 3), makeSpecies(5, 0, 0),
                                    static_cast<ZelkinZelkinary*>(nullptr)}) {
        std::unique_ptr<sf::Sprite> sprite(window->newCreatureSprite(record, 0));
        ASSERT_NE(sprite, nullptr);
        sf::Sprite* shared = window->setCreatureFrame(record, 1);
        ASSERT_NE(shared, nullptr);
        if (record == nullptr || record->getLibraryId() != 0) {
            EXPECT_TRUE(sameColour(drawn(sprite.get()), sf::Color::Black));
            EXPECT_TRUE(sameColour(drawn(shared), sf::Color::Black));
        }
    }
}

TEST_F(SpriteWorld, LibrariesBeyondTheSlotsAreLeftOut) {
    // One is loaded already; 70 more ask for 142 slots of 128.
    for (int i = 0; i < 70; ++i)
        window->loadCreatureImage("library.png", "");
    std::unique_ptr<sf::Sprite> last(window->newCreatureSprite(makeSpecies(2, 63), 0));
    EXPECT_TRUE(sameColour(drawn(last.get()), COLUMNS[1]));
    std::unique_ptr<sf::Sprite> beyond(window->newCreatureSprite(makeSpecies(2, 64), 0));
    EXPECT_TRUE(sameColour(drawn(beyond.get()), sf::Color::Black));
    // Each picture left out says so.
    ASSERT_EQ(7u, errorLogLines().size());
    EXPECT_EQ("ERROR with File img/library.png : Zelkinary number 65 : no room for its picture, 64 at most",
              errorLogLines().front());
}

TEST_F(SpriteWorld, SpriteNumbersBelowOneAndKindsOffThePictureSmearNothing) {
    // Pictures are numbered from 1: number 0 shows nothing rather than the sheet's edge.
    ZelkinZelkinary* zero = makeSpecies(0);
    std::unique_ptr<sf::Sprite> sprite(window->newCreatureSprite(zero, 0));
    EXPECT_TRUE(sameColour(drawn(sprite.get()), sf::Color::Black));
    EXPECT_TRUE(sameColour(drawn(window->setCreatureFrame(zero, 1)), sf::Color::Black));
    // Supporter kinds stay on the three rows the picture has.
    std::unique_ptr<sf::Sprite> below(window->newSupporterSprite(0, 1));
    EXPECT_EQ(below->getTextureRect(), sf::IntRect(16, 0, 16, 16));
    EXPECT_EQ(window->setSupporterFrame(17, 2)->getTextureRect(), sf::IntRect(32, 32, 16, 16));
}

TEST_F(SpriteWorld, SupporterAndIconFraming) {
    std::unique_ptr<sf::Sprite> first(window->newSupporterSprite(1, 0));
    EXPECT_EQ(first->getTextureRect(), sf::IntRect(0, 0, 16, 16));
    EXPECT_EQ(first->getScale(), sf::Vector2f(2.f, 2.f));
    std::unique_ptr<sf::Sprite> third(window->newSupporterSprite(3, 1));
    EXPECT_EQ(third->getTextureRect(), sf::IntRect(16, 32, 16, 16));
    EXPECT_EQ(window->setSupporterFrame(2, 3)->getTextureRect(), sf::IntRect(48, 16, 16, 16));
    EXPECT_EQ(window->typeIconSprite(3)->getTextureRect(), sf::IntRect(0, 48, 16, 16));
    EXPECT_EQ(window->ballIconSprite(2)->getTextureRect(), sf::IntRect(32, 0, 16, 16));
    EXPECT_EQ(window->creatureIcon(2, 1)->getTextureRect(), sf::IntRect(32, 64, 32, 32));
    EXPECT_EQ(window->creatureIcon(2, 4)->getTextureRect(), sf::IntRect(0, 64, 32, 32));
    EXPECT_EQ(window->creatureIcon(2, -1)->getTextureRect(), sf::IntRect(32, 64, 32, 32));
}

TEST_F(SpriteWorld, IconTintsAndTheirReset) {
    EXPECT_EQ(window->creatureIconTinted(5, 0, 1)->getColor(), sf::Color(255, 96, 96));
    EXPECT_EQ(window->creatureIcon(5, 0)->getColor(), sf::Color::White);
    EXPECT_EQ(window->creatureIconTinted(5, 0, 13)->getColor(), sf::Color(150, 150, 0));
    // An unknown tint keeps what the previous call left.
    EXPECT_EQ(window->creatureIconTinted(5, 0, 14)->getColor(), sf::Color(150, 150, 0));
    EXPECT_EQ(window->creatureIconTinted(5, 0, -1)->getColor(), sf::Color(150, 150, 0));
    EXPECT_EQ(window->creatureIconTinted(5, 0, 0)->getColor(), sf::Color::White);
}

TEST_F(SpriteWorld, NewShadowIsTheWholePictureUntinted) {
    std::unique_ptr<sf::Sprite> shadow(window->newShadowSprite());
    EXPECT_EQ(shadow->getTextureRect(), sf::IntRect(0, 0, 50, 20));
    EXPECT_EQ(shadow->getColor(), sf::Color::White);
    EXPECT_TRUE(sameColour(drawn(shadow.get()), sf::Color::White));
}

} // namespace
