// Particles: the particle-file reader, a particle's motion, life, cells and successor, and the engine's list.
#include <gtest/gtest.h>

#include <memory>

#include "presentation/Model.hpp"
#include "presentation/Particle.hpp"
#include "presentation/ParticleDesc.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/ErrorLog.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

// A sheet of 8 x 8 cells, 8 columns of distinct colours, 2 rows.
std::unique_ptr<QX_Texture> makeSheet() {
    sf::Image image;
    image.create(64, 16);
    for (unsigned x = 0; x < 64; ++x)
        for (unsigned y = 0; y < 16; ++y)
            image.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(30 * (x / 8) + 10), 200, 50));
    std::unique_ptr<QX_Texture> sheet(new QX_Texture("sheet", image, 8, 8));
    sheet->setGrid(8, 2);
    return sheet;
}

// A drawable of fixed depth, for the draw order; counts how often it was deleted through the engine.
class Marker : public QX_Drawable {
public:
    Marker(int yIn, bool particleIn, int* deletions = nullptr)
        : depth(yIn), particle(particleIn), deleted(deletions) {}
    ~Marker() override {
        if (deleted) ++*deleted;
    }
    int getX() const override { return 0; }
    int getScreenY() const override { return depth; }
    int getHeight() const override { return 0; }
    int getY() const override { return depth; }
    int getGroundY() const override { return depth; }
    void update() override {}
    bool isParticle() const override { return particle; }
    bool isAlive() const override { return alive; }
    void drawShadow(sf::RenderTarget*) override {}
    sf::Sprite* getSprite() override { return nullptr; }
    void draw(sf::RenderTarget*) override {}
    void setId(int idIn) override { id = idIn; }
    int getId() const override { return id; }
    void setLayer(int layerIn) override { layer = layerIn; }
    int getLayer() const override { return layer; }

    int depth;
    bool particle;
    bool alive = true;
    int* deleted;
    int id = 0;
    int layer = 0;
};

std::vector<int> idsInOrder(const ParticleEngine& engine) {
    std::vector<int> ids;
    for (QX_Drawable* drawable : engine.getDrawables())
        ids.push_back(drawable->getId());
    return ids;
}

} // namespace

TEST(ParticleFileReader, ReadsEveryFieldAndLogsBadElements) {
    ScratchDir dir;
    writeBandsPng("img/parts.png", {sf::Color::Red, sf::Color::Blue, sf::Color::Green, sf::Color::Yellow}, 8,
                  32);
    dir.write("data/textures/parts.xml", "<texture><filename>img/parts.png</filename><name>parts</name>"
                                         "<height>8</height><width>8</width></texture>");
    dir.write("data/particles/a.xml",
              "<particle><texture x=\"1\" y=\"0\">parts</texture><name>spark</name></particle>"
              "<particle><texture x=\"2\" y=\"3\" direction=\"x_axis\">parts</texture><name>full</name>"
              "<cycle frequency=\"3\">4</cycle><movement x=\"0.5\">2</movement>"
              "<base_speed x=\"1.5\" y=\"-2\" z=\"3\"/><gravity>0.25</gravity><category>Explosion</category>"
              "<duration>40</duration><deathwhen>Hit_ground</deathwhen><speed_animation>5</speed_animation>"
              "<scale>1.5</scale><dying>spark</dying></particle>"
              "<particle><name>no texture</name></particle>"
              "<particle><texture>unknown sheet</texture><name>lost</name></particle>"
              "<particle><texture>parts</texture></particle>"
              "<particle><texture>parts</texture><name>zero</name><cycle frequency=\"0\">0</cycle>"
              "<dying>not yet read</dying></particle>"
              "<particle><texture x=\"0\" y=\"99\">parts</texture><name>off the grid</name></particle>");
    GameWindow window;

    EXPECT_EQ(3, window.countParticleDescs());
    EXPECT_EQ(
        (std::vector<std::string>{
            "ERROR with File data/particles/a.xml : Invalid properties from Particle element number 3",
            "ERROR with File data/particles/a.xml : Invalid properties from Particle element number 4",
            "ERROR with File data/particles/a.xml : Invalid properties from Particle element number 5",
            "ERROR with File data/particles/a.xml : Invalid properties from Particle element number 7"}),
        errorLogLines());

    ParticleDesc* spark = window.findParticleDesc("spark");
    ASSERT_NE(nullptr, spark);
    EXPECT_EQ(window.findTexture("parts"), spark->getSheet());
    EXPECT_EQ(1, spark->getFirstColumn());
    EXPECT_EQ(25, spark->getDuration());
    EXPECT_EQ(1, spark->getCycle());
    EXPECT_FLOAT_EQ(1.f, spark->getSpeedAnimation());
    EXPECT_EQ(nullptr, spark->getDying());

    ParticleDesc* full = window.findParticleDesc("full");
    ASSERT_NE(nullptr, full);
    EXPECT_EQ(2, full->getFirstColumn());
    EXPECT_EQ(3, full->getRow());
    EXPECT_EQ(1, full->getAxisFacing());
    EXPECT_EQ(4, full->getCycle());
    EXPECT_FLOAT_EQ(5.f, full->getSpeedAnimation()); // speed_animation is read after cycle's frequency
    EXPECT_FLOAT_EQ(2.f, full->getMovement());
    EXPECT_FLOAT_EQ(0.5f, full->getDirectionX());
    EXPECT_FLOAT_EQ(2.f, full->getDirectionY()); // an axis left out keeps the movement value
    EXPECT_FLOAT_EQ(2.f, full->getDirectionZ());
    EXPECT_FLOAT_EQ(1.5f, full->getBaseSpeedX());
    EXPECT_FLOAT_EQ(-2.f, full->getBaseSpeedY());
    EXPECT_FLOAT_EQ(3.f, full->getBaseSpeedZ());
    EXPECT_FLOAT_EQ(0.25f, full->getGravity());
    EXPECT_EQ(2, full->getCategory());
    EXPECT_EQ(40, full->getDuration());
    EXPECT_EQ(1, full->getDeathWhen());
    EXPECT_FLOAT_EQ(1.5f, full->getScale());
    EXPECT_EQ(spark, full->getDying());

    // A zero cycle and frequency cannot divide by zero; a successor named before it is read is none.
    ParticleDesc* zero = window.findParticleDesc("zero");
    ASSERT_NE(nullptr, zero);
    EXPECT_EQ(1, zero->getCycle());
    EXPECT_FLOAT_EQ(1.f, zero->getSpeedAnimation());
    EXPECT_EQ(nullptr, zero->getDying());
    EXPECT_EQ(nullptr, window.findParticleDesc("Spark"));
}

TEST(ParticleFileReader, AFirstCellPastThePictureOfASheetWithoutGridIsLogged) {
    ScratchDir dir;
    // 4 cells across, 2 down; the sheet declares no grid.
    writeBandsPng("img/parts.png", {sf::Color::Red, sf::Color::Blue, sf::Color::Green, sf::Color::Yellow}, 8,
                  16);
    dir.write("data/textures/parts.xml", "<texture><filename>img/parts.png</filename><name>parts</name>"
                                         "<height>8</height><width>8</width></texture>");
    dir.write("data/particles/a.xml",
              "<particle><texture x=\"3\" y=\"1\">parts</texture><name>last cell</name></particle>"
              "<particle><texture x=\"4\" y=\"0\">parts</texture><name>past the width</name></particle>"
              "<particle><texture x=\"0\" y=\"2\">parts</texture><name>past the height</name></particle>");
    GameWindow window;

    EXPECT_NE(nullptr, window.findParticleDesc("last cell"));
    EXPECT_EQ(1, window.countParticleDescs());
    EXPECT_EQ(
        (std::vector<std::string>{
            "ERROR with File data/particles/a.xml : Invalid properties from Particle element number 2",
            "ERROR with File data/particles/a.xml : Invalid properties from Particle element number 3"}),
        errorLogLines());
}

TEST(ParticleDescWords, MatchExactlyAndFallBackToTheDefault) {
    ParticleDesc desc(nullptr, "d", 0, 0);
    desc.setCategory("Multi_impact");
    EXPECT_EQ(1, desc.getCategory());
    desc.setCategory("explosion");
    EXPECT_EQ(0, desc.getCategory());
    desc.setDeathWhen("Hit_ground");
    EXPECT_EQ(1, desc.getDeathWhen());
    desc.setDeathWhen("hit_ground");
    EXPECT_EQ(0, desc.getDeathWhen());
    desc.setAxis("axis_x");
    EXPECT_EQ(1, desc.getAxisFacing());
    desc.setAxis("axis_y");
    EXPECT_EQ(0, desc.getAxisFacing());
    desc.setCycle(-3);
    EXPECT_EQ(1, desc.getCycle());
    desc.setSpeedAnimation(-1);
    EXPECT_FLOAT_EQ(1.f, desc.getSpeedAnimation());
    // Without a sheet there are no pictures, and nothing breaks.
    EXPECT_EQ(nullptr, desc.newSpriteFacing(1));
    EXPECT_EQ(nullptr, desc.setFrameFacing(nullptr, 2, 0));
}

TEST(ParticleMotion, GravityMovementAndTheGround) {
    ParticleDesc desc(nullptr, "d", 0, 0);
    desc.setMovement(1.f);
    desc.setDirectionY(0.5f);
    desc.setBaseSpeedX(2.f);
    desc.setBaseSpeedY(4.f);
    desc.setBaseSpeedZ(3.f);
    desc.setGravity(1.f);
    desc.setDuration(100);
    Particle particle(&desc, 10.f, 100.f, 0.f, 0);
    particle.setSpeed(1.f, 0.f, 0.f); // base speed plus the extra
    EXPECT_FLOAT_EQ(3.f, particle.getSpeedX());

    particle.update(); // speedZ 3 - 1 = 2, then the move
    EXPECT_FLOAT_EQ(13.f, particle.getPositionX());
    EXPECT_FLOAT_EQ(102.f, particle.getPositionY());
    EXPECT_FLOAT_EQ(2.f, particle.getPositionHeight());
    EXPECT_EQ(102, particle.getY());
    EXPECT_EQ(100, particle.getScreenY()); // 102 - 2
    particle.update();                     // speedZ 1: height 3
    particle.update();                     // speedZ 0: height 3
    particle.update();                     // speedZ -1: height 2
    EXPECT_FLOAT_EQ(2.f, particle.getPositionHeight());
    for (int i = 0; i < 5; ++i)
        particle.update();
    EXPECT_FLOAT_EQ(0.f, particle.getPositionHeight()); // never below the ground
    EXPECT_FLOAT_EQ(-6.f, particle.getSpeedZ());

    // Without movement the particle stays where it is, though gravity still pulls on its speed.
    ParticleDesc still(nullptr, "s", 0, 0);
    still.setBaseSpeedX(5.f);
    still.setGravity(0.5f);
    Particle resting(&still, 10.f, 20.f, 4.f, 1);
    resting.update();
    resting.update();
    EXPECT_FLOAT_EQ(10.f, resting.getPositionX());
    EXPECT_FLOAT_EQ(20.f, resting.getPositionY());
    EXPECT_FLOAT_EQ(4.f, resting.getPositionHeight());
    EXPECT_FLOAT_EQ(-1.f, resting.getSpeedZ());
}

TEST(ParticleLife, AgeAndGroundRules) {
    ParticleDesc aging(nullptr, "a", 0, 0); // duration 25, death rule 0
    ParticleEngine engine;
    Particle* particle = new Particle(&aging, 0.f, 0.f, 0.f, 0);
    engine.add(particle);
    for (int i = 0; i < 25; ++i)
        engine.update();
    ASSERT_EQ(1, engine.count());
    EXPECT_EQ(25, particle->getAge());
    engine.update(); // the update that makes age 26 kills it
    EXPECT_EQ(0, engine.count());

    ParticleDesc ground(nullptr, "g", 0, 0);
    ground.setDeathWhen("Hit_ground");
    Particle onGround(&ground, 0.f, 0.f, 0.f, 0);
    onGround.update();
    EXPECT_FALSE(onGround.isAlive());
    ground.setMovement(1.f);
    ground.setBaseSpeedZ(2.f);
    Particle lifted(&ground, 0.f, 0.f, 0.f, 0);
    lifted.update();
    EXPECT_TRUE(lifted.isAlive());

    Particle noDescription(nullptr, 0.f, 0.f, 0.f, 0);
    noDescription.update();
    EXPECT_FALSE(noDescription.isAlive()); // a particle without description has nothing to live for
}

TEST(ParticleLife, ADeadParticleContinuesAsItsSuccessor) {
    ParticleDesc second(nullptr, "second", 0, 0);
    second.setDuration(2);
    ParticleDesc first(nullptr, "first", 0, 0);
    first.setDuration(1);
    first.setMovement(1.f);
    first.setBaseSpeedX(3.f);
    first.setDying(&second);
    ParticleEngine engine;
    Particle* particle = new Particle(&first, 0.f, 0.f, 5.f, 0);
    engine.add(particle);
    engine.update();
    engine.update(); // age 2 > 1: reborn as "second" in the same frame
    ASSERT_EQ(1, engine.count());
    EXPECT_EQ(&second, particle->getDescription());
    EXPECT_EQ(0, particle->getAge());
    EXPECT_EQ(1, particle->getGeneration());
    EXPECT_FLOAT_EQ(6.f, particle->getPositionX()); // position and speed carry over
    EXPECT_FLOAT_EQ(3.f, particle->getSpeedX());
    engine.update(); // "second" does not move: its movement is 0
    EXPECT_FLOAT_EQ(6.f, particle->getPositionX());
    engine.update();
    engine.update();
    EXPECT_EQ(0, engine.count());
}

TEST(ParticleCells, CycleSpeedAndAxisFacing) {
    std::unique_ptr<QX_Texture> sheet = makeSheet();
    ParticleDesc desc(sheet.get(), "cells", 2, 1);
    desc.setCycle(3);
    desc.setSpeedAnimation(2);
    desc.setDuration(100);
    desc.setScale(3.f);
    Particle particle(&desc, 0.f, 0.f, 0.f, 0);
    ASSERT_NE(nullptr, particle.getSprite());
    EXPECT_EQ(sf::Vector2f(3.f, 3.f), particle.getSprite()->getScale());
    EXPECT_EQ(sf::IntRect(16, 8, 8, 8), particle.getSprite()->getTextureRect());
    // Cell n = (age div 2) mod 3, counted from column 2: ages 0..7 show 2, 2, 3, 3, 4, 4, 2, 2.
    std::vector<int> columns;
    for (int i = 0; i < 8; ++i) {
        particle.update();
        columns.push_back(particle.getSprite()->getTextureRect().left / 8);
    }
    EXPECT_EQ((std::vector<int>{2, 2, 3, 3, 4, 4, 2, 2}), columns);

    // Facing along the x speed: moving left shows the mirrored picture, columns counted from the right.
    ParticleDesc axis(sheet.get(), "axis", 1, 0);
    axis.setAxis("axis_x");
    axis.setBaseSpeedX(-1.f);
    Particle leftward(&axis, 0.f, 0.f, 0.f, 0);
    leftward.update();
    EXPECT_EQ((8 - 1 - 1) * 8, leftward.getSprite()->getTextureRect().left);
    EXPECT_EQ(0, leftward.getFacing()); // the stored facing is not changed
    leftward.setSpeed(2.f, 0.f, 0.f);   // now +1: the normal picture
    leftward.update();
    EXPECT_EQ(8, leftward.getSprite()->getTextureRect().left);
}

TEST(ParticleEngineOrder, DepthThenLayerThenId) {
    ParticleEngine engine;
    Marker* deep = new Marker(50, true);
    Marker* nearLow = new Marker(10, true);
    Marker* nearHigh = new Marker(10, true);
    Marker* nearLowLater = new Marker(10, true);
    engine.add(deep);         // id 1
    engine.add(nearHigh);     // id 2
    engine.add(nearLow);      // id 3
    engine.add(nearLowLater); // id 4
    nearHigh->setLayer(5);
    engine.update();
    EXPECT_EQ((std::vector<int>{3, 4, 2, 1}), idsInOrder(engine));
    engine.clear();
    engine.add(new Marker(0, true));
    EXPECT_EQ((std::vector<int>{1}), idsInOrder(engine)); // ids start again after clear
}

TEST(ParticleEngineOwnership, ParticlesAreDeletedFiguresOnlyLetGo) {
    int particleDeletions = 0;
    int figureDeletions = 0;
    std::unique_ptr<Marker> figure(new Marker(0, false, &figureDeletions));
    {
        ParticleEngine engine;
        engine.add(new Marker(0, true, &particleDeletions));
        engine.add(figure.get());
        engine.add(figure.get()); // listed once only
        engine.add(nullptr);
        EXPECT_EQ(2, engine.count());

        // A figure reported dead is taken off the list but stays its owner's.
        figure->alive = false;
        engine.update();
        EXPECT_FALSE(engine.contains(figure.get()));
        EXPECT_EQ(0, figureDeletions);
        figure->alive = true;

        engine.add(figure.get());
        engine.clear();
        EXPECT_EQ(0, engine.count());
        EXPECT_EQ(1, particleDeletions);
        EXPECT_EQ(0, figureDeletions);
        EXPECT_EQ(nullptr, figure->listedIn());

        engine.add(figure.get());
        engine.remove(figure.get());
        EXPECT_EQ(0, engine.count());
        EXPECT_EQ(0, figureDeletions);

        // What is still listed when the engine goes: its particles go with it, its figures do not.
        engine.add(new Marker(0, true, &particleDeletions));
        engine.add(figure.get());
    }
    EXPECT_EQ(2, particleDeletions);
    EXPECT_EQ(0, figureDeletions);
    EXPECT_EQ(nullptr, figure->listedIn());
}

TEST(ParticleEngineOwnership, AFigureDeletedWhileListedLeavesTheList) {
    ParticleEngine engine;
    sf::Sprite* sprite = new sf::Sprite();
    Model* figure = new Model(sprite, nullptr, 10, 10, 0);
    engine.add(new Marker(5, true));
    engine.add(figure);
    ASSERT_EQ(2, engine.count());
    delete figure; // its owner forgot to take it off first
    EXPECT_EQ(1, engine.count());
    engine.update(); // nothing freed is touched (the sanitizer build checks)
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(20, 20));
    engine.drawOn(&target);

    // A drawable moved to another engine leaves the first one, so no two lists share it.
    ParticleEngine other;
    Marker* particle = new Marker(0, true);
    engine.add(particle);
    other.add(particle);
    EXPECT_FALSE(engine.contains(particle));
    EXPECT_TRUE(other.contains(particle));
}

TEST(ParticleDrawing, CentredOnItsPlaceAndLiftedByItsHeight) {
    std::unique_ptr<QX_Texture> sheet = makeSheet();
    ParticleDesc desc(sheet.get(), "dot", 0, 0);
    desc.setScale(2.f);
    ParticleEngine engine;
    Particle* particle = new Particle(&desc, 40.f, 50.f, 10.f, 0);
    engine.add(particle);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(100, 100));
    target.clear(sf::Color::Black);
    engine.drawOn(&target);
    target.display();
    // 16 x 16 drawn at (40 - 8, 50 - 10 - 8).
    EXPECT_EQ(sf::IntRect(32, 32, 16, 16), inkBox(target.getTexture().copyToImage(), sf::Color::Black));

    // A dead particle draws nothing.
    desc.setDuration(-1);
    target.clear(sf::Color::Black);
    engine.drawOn(&target);
    target.display();
    EXPECT_EQ(0, inkBox(target.getTexture().copyToImage(), sf::Color::Black).width);
}
