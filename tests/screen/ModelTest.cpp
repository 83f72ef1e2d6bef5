// Creature figures: positions, the animation chosen by number, its pivot, drawing, hiding and the shadow.
#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

#include "presentation/Model.hpp"
#include "presentation/ModelMove.hpp"
#include "presentation/ModelMoveBlank.hpp"
#include "presentation/ModelMoveDamage.hpp"
#include "presentation/ModelMoveDodge.hpp"
#include "presentation/ModelMoveRoar.hpp"
#include "presentation/ParticleEngine.hpp"
#include "rules/ZelkinZelkinaryConfig.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

struct Picture {
    Picture(sf::Color colour, unsigned w, unsigned h) {
        sf::Image image;
        image.create(w, h, colour);
        texture.loadFromImage(image);
    }
    sf::Sprite* newSprite() const { return new sf::Sprite(texture); }
    sf::Texture texture;
};

// A figure whose sprite is a bare rectangle (no texture needed) of the given height.
std::unique_ptr<Model> bareFigure(ZelkinZelkinaryConfig* config, int x, int y, int facing,
                                  int pictureHeight) {
    sf::Sprite* sprite = new sf::Sprite();
    sprite->setTextureRect(sf::IntRect(0, 0, 64, pictureHeight));
    return std::unique_ptr<Model>(new Model(sprite, config, x, y, facing));
}

sf::Image render(ParticleEngine& engine, unsigned w, unsigned h) {
    sf::RenderTexture target;
    target.create(w, h);
    target.clear(sf::Color::Black);
    engine.drawOn(&target);
    target.display();
    return target.getTexture().copyToImage();
}

} // namespace

TEST(ModelAnimation, ChosenByNumberWithRandomAndBlank) {
    ZelkinZelkinaryConfig config(64, 64, 4, 0);
    std::unique_ptr<Model> figure = bareFigure(&config, 100, 200, 1, 64);
    EXPECT_EQ(typeid(ModelMoveBlank), typeid(*figure->getMove())); // a new figure stands still
    {
        ScriptedRandom draws({10});
        figure->playAnimation(99);
        EXPECT_EQ(typeid(ModelMoveDodge), typeid(*figure->getMove()));
    }
    {
        ScriptedRandom draws({0});
        figure->playAnimation(99);
        EXPECT_EQ(typeid(ModelMoveRoar), typeid(*figure->getMove()));
    }
    for (int kind : {0, 12, -1}) {
        figure->playAnimation(kind);
        EXPECT_EQ(typeid(ModelMoveBlank), typeid(*figure->getMove())) << kind;
        figure->update();
        EXPECT_EQ(100, figure->getX());
        EXPECT_EQ(200, figure->getY());
    }
    // The move gets the figure's personality and size (a large bird's flap height).
    figure->setSize(140);
    figure->setPersonality(8);
    figure->playAnimation(1);
    EXPECT_EQ((200 - 140) / 6 + 20, figure->getMove()->getPhase(15));
    EXPECT_EQ(8, figure->getMove()->getPhase(0));
}

TEST(ModelPositions, OffsetsLiftAndGround) {
    ZelkinZelkinaryConfig config(64, 40, 4, 0);
    std::unique_ptr<Model> figure = bareFigure(&config, 100, 200, 0, 40);
    figure->getSprite()->setScale(2.f, 2.f);
    EXPECT_EQ(200 + 20, figure->getGroundY()); // 2 * 40 * 0.25 below the feet
    figure->playAnimation(2);                  // damage, facing 0
    figure->update();
    figure->update();
    EXPECT_EQ(88, figure->getX());
    figure->setPersonality(0);
    figure->playAnimation(11); // a dodge also moves in depth
    figure->update();
    EXPECT_EQ(figure->getMove()->getYOffset() + 200, figure->getY());
    EXPECT_EQ(200 + figure->getMove()->getYOffset() - figure->getMove()->getHeight(), figure->getScreenY());
    EXPECT_FALSE(figure->isParticle());
    EXPECT_TRUE(figure->isAlive());
}

TEST(ModelPivot, RaisedThreeEighthsOrAtTheFeet) {
    ZelkinZelkinaryConfig config(64, 64, 4, 0);
    std::unique_ptr<Model> figure = bareFigure(&config, 100, 200, 1, 64);
    figure->setPersonality(1); // a ball rolls when hit
    figure->playAnimation(2);
    figure->update();
    // The turning point stays put: 3/8 of 64 above the feet, shifted with the recoil.
    sf::Vector2f raised(100.f + 6.f, 200.f - 24.f);
    EXPECT_NEAR(raised.x, figure->getMoveTransform().transformPoint(raised).x, 0.01f);
    EXPECT_NEAR(raised.y, figure->getMoveTransform().transformPoint(raised).y, 0.01f);

    figure->setPivotRaised(false);
    figure->playAnimation(2);
    figure->update();
    sf::Vector2f feet(106.f, 200.f);
    EXPECT_NEAR(feet.x, figure->getMoveTransform().transformPoint(feet).x, 0.01f);
    EXPECT_NEAR(feet.y, figure->getMoveTransform().transformPoint(feet).y, 0.01f);
    EXPECT_GT(std::abs(figure->getMoveTransform().transformPoint(raised).x - raised.x), 1.f);
}

TEST(ModelDrawing, StandsOnItsFeetAndHidesWithItsShadow) {
    Picture red(sf::Color::Red, 16, 16);
    Picture shade(sf::Color::White, 50, 50);
    ZelkinZelkinaryConfig config(16, 16, 1, 0);
    Model* figure = new Model(red.newSprite(), &config, 50, 60, 1);
    ParticleEngine engine;
    engine.add(figure);
    // The picture's point at half its width and 7/8 of its height stands on (50, 60).
    EXPECT_EQ(sf::IntRect(42, 46, 16, 16), inkBox(render(engine, 100, 100), sf::Color::Black));

    figure->setShadow(shade.newSprite());
    figure->setShown(false);
    figure->playAnimation(2);
    engine.update();
    EXPECT_EQ(0, inkBox(render(engine, 100, 100), sf::Color::Black).width);
    EXPECT_NE(0, figure->getMove()->getXOffset()); // hidden, it still animates
    engine.remove(figure);
    delete figure;
}

TEST(ModelDrawing, ShadowNarrowsAsTheFigureRisesAndLiesUnderEveryFigure) {
    Picture red(sf::Color::Red, 16, 16);
    Picture shade(sf::Color::White, 50, 50);
    ZelkinZelkinaryConfig config(16, 16, 1, 0);
    ParticleEngine engine;
    sf::Sprite* picture = red.newSprite();
    picture->setScale(2.f, 2.f);
    Model* back = new Model(picture, &config, 60, 40, 1);
    back->setShadow(shade.newSprite());
    Model* front = new Model(red.newSprite(), &config, 20, 60, 1);
    front->setShadow(shade.newSprite());
    engine.add(front);
    engine.add(back);
    engine.update();
    render(engine, 100, 100);
    // At height 0 the shadow is as wide as the scaled cell: 2 * 16 = 32, so scale 32 / 50.
    EXPECT_FLOAT_EQ(32.f / 50.f, back->getShadow()->getScale().x);
    EXPECT_EQ(sf::Vector2f(60.f - 16.f, 40.f - 16.f), back->getShadow()->getPosition());

    // Knocked out as a ghost, the figure rises: at height 75 the shadow is half as wide.
    back->setPersonality(9);
    back->playAnimation(6);
    int guard = 0;
    while (back->getHeight() != 75 && back->getHeight() != 76 && ++guard < 200)
        engine.update();
    ASSERT_LT(guard, 200);
    render(engine, 100, 100);
    float expected = 32.f * 75.f / (back->getHeight() + 75.f) / 50.f;
    EXPECT_FLOAT_EQ(expected, back->getShadow()->getScale().x);
    // The ghost's colour (alpha 128) tints its shadow too: 128 * 128 / 255.
    EXPECT_EQ(64, back->getShadow()->getColor().a);

    engine.remove(back);
    engine.remove(front);
    delete back;
    delete front;
}

TEST(ModelDrawing, ANearerFiguresShadowLiesUnderAFartherFigure) {
    Picture red(sf::Color::Red, 16, 16);
    Picture blue(sf::Color::Blue, 50, 50);
    ZelkinZelkinaryConfig config(16, 16, 1, 0);
    ParticleEngine engine;
    // The far figure (depth 30) covers (12..28, 16..32); the near one (depth 32) shows only its shadow,
    // a 16 x 16 square at (12..28, 24..40).
    Model* farFigure = new Model(red.newSprite(), &config, 20, 30, 1);
    sf::Sprite* invisible = new sf::Sprite();
    invisible->setTextureRect(sf::IntRect(0, 0, 16, 16));
    Model* nearFigure = new Model(invisible, &config, 20, 32, 1);
    nearFigure->setShadow(blue.newSprite());
    engine.add(nearFigure);
    engine.add(farFigure);
    engine.update();
    sf::Image frame = render(engine, 60, 60);
    EXPECT_EQ(sf::Color::Red, frame.getPixel(20, 28));   // where both overlap, the far figure is on top
    EXPECT_NE(sf::Color::Black, frame.getPixel(20, 36)); // the shadow is drawn below it
    EXPECT_NE(sf::Color::Red, frame.getPixel(20, 36));
    engine.clear(); // figures are only let go
    delete farFigure;
    delete nearFigure;
}
