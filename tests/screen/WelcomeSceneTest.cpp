// The first-start dialogue: timing of texts and questions, the answers, and config.xml written once.
#include <gtest/gtest.h>

#include "ScenesBaseSupport.hpp"
#include "rules/DefaultStrings.hpp"
#include "rules/Game_Options.hpp"
#include "rules/TrainerList.hpp"
#include "scenes/SceneWelcome.hpp"
#include "tests/TestSupport.hpp"

namespace {

// A first start: the database holds the fixture trainers, and there is no config.xml yet.
struct FirstStart {
    FirstStart() {
        parser = new GameParser();
        parser->loadTrainers(fixturePath("hub/full/data/trainers.xml"));
        options = parser->getOptions();
        options->setSpriteCount(parser->getTrainers()->getCount());
        gameBundle->parser = parser;
        gameBundle->options = options;
        welcome.controler = &keys.controler;
    }
    // Runs frames with no key until the scene opens a question (or ends).
    int framesUntilQuestion() {
        int frames = 0;
        while (welcome.getQuestion() == SceneWelcome::QUESTION_NONE && welcome.isAlive() && frames < 1000) {
            keys.frame();
            welcome.run();
            ++frames;
        }
        return frames;
    }
    // Lets the question's text be shown in full, so that its keys are taken.
    void waitForKeys() {
        while (welcome.getTimer() < 90) {
            keys.frame();
            welcome.run();
        }
    }
    void answer(std::initializer_list<sf::Keyboard::Key> pressed) {
        waitForKeys();
        tap(keys, welcome, pressed);
    }
    int framesUntilEnd() {
        int frames = 0;
        while (welcome.isAlive() && frames < 2000) {
            keys.frame();
            welcome.run();
            ++frames;
        }
        return frames;
    }
    ScratchDir dir;
    BundleGuard guard;
    GameParser* parser;
    Game_Options* options;
    KeyScript keys;
    SceneWelcome welcome;
};

TEST(WelcomeScene, NameSpriteAndYesSwitchTheRulesOnAndSaveOnceAtTheAnswer) {
    FirstStart start;
    GameWindow window;
    start.welcome.window = &window;
    start.welcome.init();

    // 61 frames of the opening pause, then two texts of 91 frames each.
    EXPECT_EQ(start.framesUntilQuestion(), 61 + 91 + 91);
    EXPECT_EQ(start.welcome.getStep(), 3);
    ASSERT_EQ(start.welcome.getQuestion(), SceneWelcome::QUESTION_NAME);

    // Before the question has been shown for 90 frames, neither typing nor Enter count.
    start.keys.type('X');
    start.welcome.run();
    tap(start.keys, start.welcome, {sf::Keyboard::Return});
    EXPECT_EQ(start.welcome.getQuestion(), SceneWelcome::QUESTION_NAME);
    EXPECT_EQ(start.options->getName(), "");

    start.waitForKeys();
    for (char c : std::string("Anaz")) {
        start.keys.type(c);
        start.welcome.run();
    }
    tap(start.keys, start.welcome, {sf::Keyboard::BackSpace});
    EXPECT_EQ(start.options->getName(), "Ana");
    tap(start.keys, start.welcome, {sf::Keyboard::Return});
    EXPECT_EQ(start.welcome.getQuestion(), SceneWelcome::QUESTION_NONE);
    // Only the first placeholder of each text is replaced, when text 4 begins.
    EXPECT_EQ(start.welcome.getStep(), 4);
    std::string expected = DefaultStrings::WELCOME_WELC_NAME;
    expected.replace(expected.find("[TRAINER]"), 9, "Ana");
    EXPECT_EQ(start.welcome.getText(4), expected);

    // Text 4 stays 91 frames: the answer's release frame was the first of them.
    EXPECT_EQ(start.framesUntilQuestion(), 90);
    ASSERT_EQ(start.welcome.getQuestion(), SceneWelcome::QUESTION_SPRITE);
    start.answer({sf::Keyboard::Left});
    EXPECT_EQ(start.options->getTrainerSprite(), start.parser->getTrainers()->getCount());
    start.answer({sf::Keyboard::Right});
    start.answer({sf::Keyboard::Right});
    EXPECT_EQ(start.options->getTrainerSprite(), 2);
    start.answer({sf::Keyboard::Return});

    EXPECT_EQ(start.framesUntilQuestion(), 90);
    ASSERT_EQ(start.welcome.getQuestion(), SceneWelcome::QUESTION_DIFFICULTY);
    start.waitForKeys();
    // Closing the game now would leave no config.xml: the welcome would come again.
    EXPECT_EQ(start.dir.read("config.xml"), "");
    start.answer({sf::Keyboard::Down});
    start.answer({sf::Keyboard::Up});
    EXPECT_EQ(start.welcome.getAnswer(), 0);
    start.keys.frame({sf::Keyboard::Return});
    start.welcome.run();
    EXPECT_EQ(start.welcome.getStep(), 9);

    std::string config = start.dir.read("config.xml");
    EXPECT_NE(config.find("<trainer_name>Ana</trainer_name>"), std::string::npos);
    EXPECT_NE(config.find("<trainer_sprite>2</trainer_sprite>"), std::string::npos);
    EXPECT_NE(config.find("<active_abilities_effects>1</active_abilities_effects>"), std::string::npos);
    EXPECT_NE(config.find("<active_stadiums_effects>1</active_stadiums_effects>"), std::string::npos);
    EXPECT_NE(config.find("<active_rulesets_effects>1</active_rulesets_effects>"), std::string::npos);
    EXPECT_FALSE(start.options->isFirstStart());

    // The yes confirmation, then the closing text (the no texts are skipped), then the end.
    EXPECT_EQ(start.framesUntilEnd(), 91 + 91);
    EXPECT_EQ(start.welcome.getStep(), 13);
}

TEST(WelcomeScene, NoLeavesTheRulesOffAndShowsTheNoConfirmation) {
    FirstStart start;
    start.welcome.init();
    start.framesUntilQuestion();
    start.answer({sf::Keyboard::Return}); // an empty name is allowed
    start.framesUntilQuestion();
    start.answer({sf::Keyboard::Return});
    start.framesUntilQuestion();
    ASSERT_EQ(start.welcome.getQuestion(), SceneWelcome::QUESTION_DIFFICULTY);
    start.answer({sf::Keyboard::Down});
    EXPECT_EQ(start.welcome.getAnswer(), 1);
    start.keys.frame({sf::Keyboard::Return});
    start.welcome.run();
    EXPECT_EQ(start.welcome.getStep(), 11);

    std::string config = start.dir.read("config.xml");
    EXPECT_NE(config.find("<active_abilities_effects>0</active_abilities_effects>"), std::string::npos);
    EXPECT_NE(config.find("<active_rulesets_effects>0</active_rulesets_effects>"), std::string::npos);
    // The options write their default name for an empty one.
    EXPECT_NE(config.find("<trainer_name>Dresseur</trainer_name>"), std::string::npos);
    EXPECT_EQ(start.framesUntilEnd(), 91 + 91);
}

TEST(WelcomeScene, TextSizeFollowsLengthAndTheCrowdFreesItsUniqueTrainers) {
    std::string welcomeText = DefaultStrings::WELCOME_WELCOME;
    std::string presText = DefaultStrings::WELCOME_PRES;
    FirstStart start;
    setStringByKey("WELCOME_WELCOME", std::string(60, 'a'));
    setStringByKey("WELCOME_PRES", std::string(59, 'b'));
    start.welcome.init();
    setStringByKey("WELCOME_WELCOME", welcomeText);
    setStringByKey("WELCOME_PRES", presText);

    EXPECT_EQ(start.parser->getTrainers()->getRememberedCount(), 0);
    EXPECT_EQ(start.welcome.currentTextSize(), 24); // the empty opening text
    for (int i = 0; i < 61; ++i) {
        start.keys.frame();
        start.welcome.run();
    }
    ASSERT_EQ(start.welcome.getStep(), 1);
    EXPECT_EQ(start.welcome.currentTextSize(), 12);
    for (int i = 0; i < 91; ++i) {
        start.keys.frame();
        start.welcome.run();
    }
    ASSERT_EQ(start.welcome.getStep(), 2);
    EXPECT_EQ(start.welcome.currentTextSize(), 14);
}

} // namespace
