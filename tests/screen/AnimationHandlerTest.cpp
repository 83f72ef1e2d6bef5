// Battle animations driven frame by frame: lengths, figure reactions, intensity and particle emission.
#include <gtest/gtest.h>

#include "battle/VariableTable.hpp"
#include "presentation/AnimationHandler.hpp"
#include "presentation/Model.hpp"
#include "presentation/ModelMoveDamage.hpp"
#include "presentation/ModelMoveDamageKO.hpp"
#include "presentation/ModelMoveHeavyDamage.hpp"
#include "presentation/ModelMoveHeavyKO.hpp"
#include "presentation/ModelMoveLightDamage.hpp"
#include "presentation/ModelMovePhysicCharge.hpp"
#include "presentation/ModelMoveRoar.hpp"
#include "presentation/ModelMoveSpecialStrike.hpp"
#include "presentation/ModelMoveTrembleKO.hpp"
#include "presentation/Particle.hpp"
#include "presentation/ParticleDesc.hpp"
#include "presentation/ParticleEngine.hpp"
#include "presentation/QX_Texture.hpp"
#include "rules/Animation.hpp"
#include "rules/GameBundle.hpp"
#include "rules/Game_Options.hpp"
#include "rules/WindowServices.hpp"
#include "tests/BattleFixture.hpp"

namespace {

// Answers the ball particles by name, as the window would.
class FakeWindow : public WindowServices {
public:
    ParticleDesc* findParticleDesc(std::string name) override {
        for (ParticleDesc* desc : descs)
            if (desc->getName() == name) return desc;
        return nullptr;
    }
    void loadCreatureImage(std::string, std::string) override {}
    std::vector<ParticleDesc*> descs;
};

// A battle data set, a particle engine and a window of particle descriptions installed in the bundle.
class AnimationWorld : public ::testing::Test {
protected:
    void SetUp() override {
        saved = *gameBundle;
        sf::Image image;
        image.create(32, 8, sf::Color::Red);
        sheet = new QX_Texture("sheet", image, 8, 8);
        spark = new ParticleDesc(sheet, "spark", 0, 0);
        launchBall = new ParticleDesc(sheet, "MAIN_zelkball_launch", 1, 0);
        withdrawBall = new ParticleDesc(sheet, "MAIN_zelkball_dissapear", 2, 0);
        window.descs = {spark, launchBall, withdrawBall};
        gameBundle->particleEngine = &engine;
        gameBundle->options = world.parser->getOptions();
        gameBundle->window = &window;
    }
    void TearDown() override {
        engine.clear();
        delete figure;
        *gameBundle = saved;
        delete spark;
        delete launchBall;
        delete withdrawBall;
        delete sheet;
        for (Zelkin* creature : creatures)
            delete creature;
    }

    Zelkin* creature(const std::string& name) {
        creatures.push_back(world.makeCreature(name));
        return creatures.back();
    }
    // A figure of the creature's species standing at (300, 320), with a 40 x 40 picture.
    Model* makeFigure(Zelkin* of) {
        delete figure;
        sf::Sprite* sprite = new sf::Sprite();
        sprite->setTextureRect(sf::IntRect(0, 0, 40, 40));
        figure = new Model(sprite, of->getSpecies()->getConfig(), 300, 320, 0);
        return figure;
    }
    // Steps until the animation ends; the number of steps it stayed alive.
    static int runToEnd(AnimationHandler& animation) {
        int steps = 0;
        while (animation.isAlive() && steps < 1000) {
            animation.step();
            ++steps;
        }
        return steps;
    }
    // Particles sent so far (the engine is never updated here, so none has died).
    std::vector<Particle*> particles() {
        std::vector<Particle*> found;
        for (QX_Drawable* drawable : engine.getDrawables())
            if (Particle* particle = dynamic_cast<Particle*>(drawable)) found.push_back(particle);
        return found;
    }
    // A hit record as the engine leaves it after a hit.
    void setHit(float percent, float effectiveness, int power, int critical) {
        hit.setVariable("percent_damage", percent);
        hit.setVariable("effectiveness", effectiveness);
        hit.setVariable("power_move", static_cast<float>(power));
        hit.setVariable("critical_hit", static_cast<float>(critical));
    }

    BattleFixture world;
    GameBundle saved;
    ParticleEngine engine;
    FakeWindow window;
    QX_Texture* sheet = nullptr;
    ParticleDesc* spark = nullptr;
    ParticleDesc* launchBall = nullptr;
    ParticleDesc* withdrawBall = nullptr;
    Model* figure = nullptr;
    VariableTable hit;
    std::vector<Zelkin*> creatures;
};

TEST_F(AnimationWorld, LengthsByKindCountFramesZeroToLength) {
    for (auto [kind, steps] :
         std::vector<std::pair<int, int>>{{0, 51}, {1, 31}, {2, 51}, {4, 51}, {5, 76}, {6, 51}}) {
        AnimationHandler animation(kind, 0);
        EXPECT_TRUE(animation.isAlive());
        EXPECT_EQ(runToEnd(animation), steps) << "kind " << kind;
        // A finished animation stays finished.
        animation.step();
        EXPECT_FALSE(animation.isAlive());
        EXPECT_EQ(animation.getFrame(), steps);
    }
}

TEST_F(AnimationWorld, HitReactionFollowsTheShareOfHitPointsTaken) {
    Zelkin* target = creature("Flamby");
    struct Case {
        float percent;
        bool knockedOut;
        const char* expected;
    };
    for (const Case& c :
         {Case{14.9f, false, "light"}, Case{15.f, false, "damage"}, Case{49.f, false, "damage"},
          Case{50.f, false, "heavy"}, Case{10.f, true, "trembleKO"}, Case{15.f, true, "damageKO"},
          Case{50.f, true, "heavyKO"}}) {
        target->setHp(c.knockedOut ? 0 : target->getMaxHp());
        setHit(c.percent, 1.f, 40, 0);
        Model* model = makeFigure(target);
        AnimationHandler animation(AnimationHandler::KIND_HIT, 0, model);
        animation.setSources(world.move("Charge"), target, &hit);
        animation.step();
        ModelMove* move = model->getMove();
        std::string played = dynamic_cast<ModelMoveLightDamage*>(move)   ? "light"
                             : dynamic_cast<ModelMoveHeavyDamage*>(move) ? "heavy"
                             : dynamic_cast<ModelMoveDamage*>(move)      ? "damage"
                             : dynamic_cast<ModelMoveTrembleKO*>(move)   ? "trembleKO"
                             : dynamic_cast<ModelMoveHeavyKO*>(move)     ? "heavyKO"
                             : dynamic_cast<ModelMoveDamageKO*>(move)    ? "damageKO"
                                                                         : "other";
        EXPECT_EQ(played, c.expected) << c.percent << "% KO " << c.knockedOut;
    }
}

TEST_F(AnimationWorld, MoveDeclarationPlaysByCategory) {
    Zelkin* user = creature("Flamby");
    Model* model = makeFigure(user);
    AnimationHandler physical(AnimationHandler::KIND_MOVE, 0, model);
    physical.setSources(world.move("Charge"), user, &hit);
    physical.step();
    EXPECT_NE(dynamic_cast<ModelMovePhysicCharge*>(model->getMove()), nullptr);

    AnimationHandler status(AnimationHandler::KIND_MOVE, 0, model);
    status.setSources(world.move("Grondement"), user, &hit);
    status.step();
    EXPECT_NE(dynamic_cast<ModelMoveRoar*>(model->getMove()), nullptr);
}

TEST_F(AnimationWorld, BloodyEffectsSizeTheHit) {
    Zelkin* target = creature("Flamby");
    // 2 x 40 % - 15 = 65 -> 4; power 100 -> force 12.
    setHit(40.f, 2.f, 100, 0);
    AnimationHandler plain(AnimationHandler::KIND_HIT, 0);
    plain.setSources(world.move("Charge"), target, &hit);
    plain.step();
    EXPECT_EQ(plain.getBloodForce(), 4);
    EXPECT_EQ(plain.getForce(), 12);

    // A critical hit triples, a knock-out adds 50, capped at 15; a weak move keeps force 5.
    setHit(40.f, 2.f, 10, 1);
    target->setHp(0);
    AnimationHandler critical(AnimationHandler::KIND_HIT, 0);
    critical.setSources(world.move("Charge"), target, &hit);
    critical.step();
    EXPECT_EQ(critical.getBloodForce(), 15);
    EXPECT_EQ(critical.getForce(), 5);

    // A glancing hit never gives a negative strength.
    setHit(5.f, 1.f, 40, 0);
    target->setHp(target->getMaxHp());
    AnimationHandler glancing(AnimationHandler::KIND_HIT, 0);
    glancing.setSources(world.move("Charge"), target, &hit);
    glancing.step();
    EXPECT_EQ(glancing.getBloodForce(), 0);

    // The option off: default force, no blood.
    world.parser->getOptions()->toggleBloodyEffects();
    ASSERT_EQ(world.parser->getOptions()->getBloodyEffects(), 0);
    setHit(90.f, 2.f, 150, 1);
    AnimationHandler off(AnimationHandler::KIND_HIT, 0);
    off.setSources(world.move("Charge"), target, &hit);
    off.step();
    EXPECT_EQ(off.getForce(), 10);
    EXPECT_EQ(off.getBloodForce(), 0);
}

TEST_F(AnimationWorld, MoveDeclarationIsNotSizedByThePreviousHit) {
    Zelkin* user = creature("Flamby");
    setHit(90.f, 2.f, 150, 1);
    AnimationHandler declared(AnimationHandler::KIND_MOVE, 0);
    declared.setSources(world.move("Charge"), user, &hit);
    declared.step();
    EXPECT_EQ(declared.getForce(), 10);
    EXPECT_EQ(declared.getBloodForce(), 0);
}

TEST_F(AnimationWorld, GathersOnlyRecordsOfItsCategoryWithBuffBeforeMove) {
    ZelkinBuffData buff("Test");
    buff.addAnimation(new Animation(spark, 0, 0, 10));
    buff.addAnimation(new Animation(spark, 1, 0, 10));
    buff.addAnimation(new Animation(spark, 0, 1, 10));
    AnimationHandler shown(AnimationHandler::KIND_MOVE, 0);
    shown.setSources(world.move("Charge"), creature("Flamby"), nullptr);
    shown.setBuffData(&buff);
    shown.step();
    ASSERT_EQ(shown.getRecords().size(), 2u);
    EXPECT_EQ(shown.getRecords()[0]->getMode(), 0);
    EXPECT_EQ(shown.getRecords()[1]->getMode(), 1);
}

TEST_F(AnimationWorld, TypeAnimationsAreSofterForTwoTypes) {
    ZelkinType* pyro = world.parser->findType("Pyro");
    ZelkinType* flore = world.parser->findType("Flore");
    ASSERT_NE(pyro, nullptr);
    ASSERT_NE(flore, nullptr);
    pyro->addAnimation(new Animation(spark, 0, 0, 10));
    flore->addAnimation(new Animation(spark, 0, 0, 10));

    AnimationHandler single(AnimationHandler::KIND_TYPE_A, 0);
    single.setCreature(creature("Flamby"));
    single.step();
    EXPECT_EQ(single.getForce(), 15);
    EXPECT_EQ(single.getRecords().size(), 1u);

    AnimationHandler dual(AnimationHandler::KIND_TYPE_B, 0);
    dual.setCreature(creature("Braisier"));
    dual.step();
    EXPECT_EQ(dual.getForce(), 8);
    EXPECT_EQ(dual.getRecords().size(), 2u);
}

TEST_F(AnimationWorld, ModeTwoEmitsOnceEveryIntervalAtTheFigure) {
    AnimationHandler animation(AnimationHandler::KIND_SELF, 1, makeFigure(creature("Flamby")));
    Animation record(spark, 0, 2, 10);
    // Strength 10: count 10, interval 5 -> frames 4, 9, ..., 49.
    for (int f = 0; f < 50; ++f) {
        animation.emitParticles(&record, 10);
        animation.step();
    }
    EXPECT_EQ(particles().size(), 10u);
    for (Particle* particle : particles()) {
        // Spread inside 4/5 of the 40-unit picture around the figure's feet.
        EXPECT_GE(particle->getX(), 300 - 16);
        EXPECT_LT(particle->getX(), 300 + 16);
        EXPECT_EQ(particle->getFacing(), 1);
    }
    engine.clear();

    // Strength 1: count 1, interval 50 -> only frame 49.
    AnimationHandler slow(AnimationHandler::KIND_SELF, 0);
    for (int f = 0; f < 50; ++f) {
        slow.emitParticles(&record, 1);
        if (f < 49) {
            EXPECT_TRUE(particles().empty()) << f;
        }
        slow.step();
    }
    EXPECT_EQ(particles().size(), 1u);
}

TEST_F(AnimationWorld, ModeThreeBurstsAtTheCentreWithoutFigure) {
    AnimationHandler animation(AnimationHandler::KIND_SELF, 0);
    Animation none(spark, 0, 3, 0);
    animation.emitParticles(&none, 10);
    EXPECT_TRUE(particles().empty());

    Animation burst(spark, 0, 3, 10);
    {
        // r = 49 div 10 = 4, a = b = 0 degrees: extra speed (4, 0, 0) and layer 22 for the first.
        ScriptedRandom draws({49, 0, 0});
        animation.emitParticles(&burst, 5);
    }
    std::vector<Particle*> sent = particles();
    ASSERT_EQ(sent.size(), 10u);
    EXPECT_EQ(sent[0]->getX(), 426);
    EXPECT_EQ(sent[0]->getY(), 240);
    EXPECT_FLOAT_EQ(sent[0]->getSpeedX(), 4.f);
    EXPECT_EQ(sent[0]->getLayer(), 22);

    // Only on frame 0.
    animation.step();
    animation.emitParticles(&burst, 5);
    EXPECT_EQ(particles().size(), 10u);
}

TEST_F(AnimationWorld, WithoutBloodyEffectsTheHitStillShowsSingleParticles) {
    world.parser->getOptions()->toggleBloodyEffects();
    Zelkin* target = creature("Flamby");
    target->getSpecies()->setAnimation(Animation(spark, 1, 1, 10));
    setHit(60.f, 1.f, 80, 0);
    AnimationHandler animation(AnimationHandler::KIND_HIT, 0, makeFigure(target));
    animation.setSources(world.move("Charge"), target, &hit);
    runToEnd(animation);
    // Strength 0: count 0, interval 50, so mode 1 fires on frame 49 only, beyond a hit's 31 frames.
    EXPECT_TRUE(particles().empty());
    target->getSpecies()->setAnimation(Animation(spark, 1, 0, 10));
    AnimationHandler again(AnimationHandler::KIND_HIT, 0, makeFigure(target));
    again.setSources(world.move("Charge"), target, &hit);
    again.step();
    EXPECT_EQ(particles().size(), 1u);
}

TEST_F(AnimationWorld, BallLaunchShowsTheFigureOnFrame22AndRoarsWhenFresh) {
    Zelkin* fresh = creature("Flamby");
    Model* model = makeFigure(fresh);
    model->setShown(false);
    AnimationHandler animation(AnimationHandler::KIND_BALL_LAUNCH, 1, model);
    animation.setCreature(fresh);
    animation.step();
    std::vector<Particle*> sent = particles();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]->getDescription(), launchBall);
    EXPECT_EQ(sent[0]->getX(), 630);
    EXPECT_FLOAT_EQ(sent[0]->getSpeedX(), -2.f);
    EXPECT_EQ(sent[0]->getLayer(), 25);
    for (int f = 1; f < 22; ++f)
        animation.step();
    EXPECT_FALSE(model->isShown());
    animation.step();
    EXPECT_TRUE(model->isShown());
    EXPECT_NE(dynamic_cast<ModelMoveRoar*>(model->getMove()), nullptr);
}

TEST_F(AnimationWorld, BallWithdrawHidesTheFigureOnFrameOne) {
    Zelkin* leaving = creature("Flamby");
    Model* model = makeFigure(leaving);
    AnimationHandler animation(AnimationHandler::KIND_BALL_WITHDRAW, 0, model);
    animation.setCreature(leaving);
    animation.step();
    EXPECT_TRUE(model->isShown());
    ASSERT_EQ(particles().size(), 1u);
    EXPECT_EQ(particles()[0]->getDescription(), withdrawBall);
    EXPECT_EQ(particles()[0]->getY(), model->getScreenY() - 20);
    animation.step();
    EXPECT_FALSE(model->isShown());
}

TEST_F(AnimationWorld, FactoryPlaysOnOurFiguresOnly) {
    Model* model = makeFigure(creature("Flamby"));
    BattleAnimation* onFigure = newAnimationHandler(2, 1, model);
    EXPECT_EQ(static_cast<AnimationHandler*>(onFigure)->getTarget(), model);
    EXPECT_EQ(static_cast<AnimationHandler*>(onFigure)->getFacing(), 1);
    BattleAnimation* onNothing = newAnimationHandler(6, 0, nullptr);
    EXPECT_EQ(static_cast<AnimationHandler*>(onNothing)->getTarget(), nullptr);
    // Without an engine or a window nothing is drawn, nothing fails.
    gameBundle->particleEngine = nullptr;
    gameBundle->window = nullptr;
    while (onFigure->isAlive())
        onFigure->step();
    delete onFigure;
    delete onNothing;
}

} // namespace
