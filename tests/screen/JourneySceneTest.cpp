// The journey screen and its secret battle: the run's states, the menu, the quit question and the end.
#include <gtest/gtest.h>

#include "JourneySupport.hpp"
#include "battle/BattleInformations.hpp"
#include "players/ZelkBot_Human.hpp"
#include "rules/Ruleset.hpp"
#include "scenes/JourneyData.hpp"
#include "scenes/JourneyEncounter.hpp"
#include "scenes/SceneJourneySelection.hpp"
#include "scenes/SceneSecretBattle.hpp"
#include "scenes/Scene_Battle.hpp"
#include "scenes/Scene_Draft.hpp"
#include "scenes/Scene_Journey.hpp"
#include "tests/screen/ScreenSupport.hpp"

namespace {

// A journey with six random creatures (no draft), its first announcement run out, waiting in the menu.
struct JourneyScreen {
    explicit JourneyScreen(int rosterSize) : world(rosterSize) {
        if (world.options->getDraft() > 0) world.options->toggleDraft();
        screen.controler = &world.keys.controler;
        screen.init(world.builder, world.options, world.roster, 3);
        idle(world.keys, screen, Scene_Journey::TRANSITION_FRAMES);
    }
    void press(std::initializer_list<sf::Keyboard::Key> pressed) { tap(world.keys, screen, pressed); }
    // "Continuer" from the menu, then the battle comes back with this result and the banner runs out.
    void fight(int result) {
        ASSERT_EQ(screen.getState(), Scene_Journey::STATE_MENU);
        ASSERT_EQ(screen.getMenuCursor(), 0);
        press({sf::Keyboard::Return});
        ASSERT_NE(dynamic_cast<Scene_Battle*>(screen.child), nullptr);
        finishChild(screen, result);
        idle(world.keys, screen, 2 * Scene_Journey::TRANSITION_FRAMES + 2);
    }
    JourneyWorld world;
    Scene_Journey screen;
};

TEST(JourneyScene, StartsWithSixCreaturesAndRecordsTheirJourneyAfterTheAnnouncement) {
    JourneyWorld world(2);
    world.options->toggleDraft();
    ASSERT_EQ(world.options->getDraft(), 0);
    Scene_Journey screen;
    screen.controler = &world.keys.controler;
    screen.init(world.builder, world.options, world.roster, 3);
    EXPECT_EQ(screen.child, nullptr);
    EXPECT_EQ(screen.getState(), Scene_Journey::STATE_ANNOUNCE);
    EXPECT_EQ(screen.getTimer(), 50);
    ASSERT_EQ(screen.getHuman()->countMembers(), 6);
    EXPECT_EQ(screen.getHuman()->getTrainerStats()->getName(), world.options->getTrainerName());
    EXPECT_EQ(screen.getEncounter(), screen.getJourney()->current());
    EXPECT_EQ(world.builder->countUsed(), 0);

    idle(world.keys, screen, 49);
    EXPECT_EQ(screen.getState(), Scene_Journey::STATE_ANNOUNCE);
    EXPECT_EQ(screen.getHuman()->getMember(0)->getBattleStatRecord(), nullptr);
    idle(world.keys, screen, 1);
    EXPECT_EQ(screen.getState(), Scene_Journey::STATE_MENU);
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(screen.getHuman()->getMember(i)->getBattleStatRecord(), nullptr);
}

TEST(JourneyScene, WithTheDraftOnTheDraftComesFirst) {
    JourneyWorld world(0);
    ASSERT_GT(world.options->getDraft(), 0);
    Scene_Journey screen;
    screen.controler = &world.keys.controler;
    screen.init(world.builder, world.options, world.roster, 3);
    ASSERT_NE(dynamic_cast<Scene_Draft*>(screen.child), nullptr);
    EXPECT_EQ(screen.getHuman()->countMembers(), 0);
    // Six picks of the first offered creature, then Enter with the team complete.
    for (int i = 0; i < 7; ++i) {
        world.keys.frame({sf::Keyboard::Return});
        screen.run();
        world.keys.frame();
        screen.run();
    }
    EXPECT_EQ(screen.child, nullptr);
    EXPECT_EQ(screen.getHuman()->countMembers(), 6);
    EXPECT_EQ(screen.getState(), Scene_Journey::STATE_ANNOUNCE);
}

TEST(JourneyScene, AWinMovesOnAndALossOrDrawEndsTheRun) {
    for (int outcome : {2, 3}) {
        JourneyScreen s(0);
        JourneyEncounter* first = s.screen.getEncounter();
        s.press({sf::Keyboard::Return});
        Scene_Battle* battle = dynamic_cast<Scene_Battle*>(s.screen.child);
        ASSERT_NE(battle, nullptr);
        EXPECT_EQ(battle->controler, &s.world.keys.controler);
        // The battle record now belongs to the battle.
        EXPECT_EQ(first->battleInformations, nullptr);
        finishChild(s.screen, 1);
        s.world.keys.frame();
        s.screen.run();
        EXPECT_EQ(s.screen.getWins(), 1);
        EXPECT_EQ(s.screen.getState(), Scene_Journey::STATE_WON);
        EXPECT_EQ(s.screen.getTimer(), 50);
        idle(s.world.keys, s.screen, 50);
        EXPECT_EQ(s.screen.getState(), Scene_Journey::STATE_ANNOUNCE);
        EXPECT_NE(s.screen.getEncounter(), first);
        ASSERT_EQ(s.screen.getJourney()->getFought().size(), 1u);
        EXPECT_EQ(s.screen.getJourney()->getFought().front(), first);
        // No keys during a transition.
        s.press({sf::Keyboard::Down});
        EXPECT_EQ(s.screen.getMenuCursor(), 0);
        idle(s.world.keys, s.screen, 50);
        EXPECT_EQ(s.screen.getState(), Scene_Journey::STATE_MENU);

        s.fight(outcome);
        EXPECT_EQ(s.screen.isRunAlive(), 0);
        EXPECT_EQ(s.screen.getWins(), 1);
        EXPECT_EQ(s.screen.getState(), Scene_Journey::STATE_MENU);
        // After the run, "Quitter" asks nothing, and "Continuer" ends the journey as well.
        s.press({sf::Keyboard::Return});
        EXPECT_FALSE(s.screen.isAlive());
        EXPECT_EQ(s.screen.child, nullptr);
    }
}

TEST(JourneyScene, MenuTeamViewAndQuitQuestion) {
    JourneyScreen s(0);
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getMenuCursor(), 2);
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getMenuCursor(), 1);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_TEAM);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getTeamCursor(), 1);
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen.getTeamCursor(), 3);
    s.press({sf::Keyboard::Up});
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen.getTeamCursor(), 5);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen.getTeamCursor(), 4);
    // Enter does nothing here; Backspace leaves and resets the highlighted creature.
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_TEAM);
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_MAIN);
    EXPECT_EQ(s.screen.getTeamCursor(), 0);

    // While the run goes on, leaving asks first; "Non" (the default) stays.
    s.press({sf::Keyboard::Escape});
    EXPECT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_QUIT);
    EXPECT_EQ(s.screen.getQuitChoice(), 0);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_MAIN);
    EXPECT_TRUE(s.screen.isAlive());
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen.getQuitChoice(), 1);
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_MAIN);
    EXPECT_EQ(s.screen.getQuitChoice(), 0);
    ASSERT_EQ(s.screen.getMenuCursor(), 2);
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::Left});
    s.press({sf::Keyboard::Return});
    EXPECT_FALSE(s.screen.isAlive());
}

TEST(JourneyScene, EightWinsLeadToTheSecretBattleWhichEndsTheJourney) {
    JourneyScreen s(1);
    for (int i = 0; i < 7; ++i)
        s.fight(1);
    EXPECT_EQ(s.screen.getWins(), 7);
    s.press({sf::Keyboard::Return});
    finishChild(s.screen, 1);
    s.world.keys.frame();
    s.screen.run();
    idle(s.world.keys, s.screen, 50);
    EXPECT_EQ(s.screen.getState(), Scene_Journey::STATE_VICTORY);
    EXPECT_TRUE(s.screen.getJourney()->isEmpty());
    EXPECT_EQ(s.screen.getEncounter(), s.screen.getJourney()->getSecret());
    idle(s.world.keys, s.screen, 50);
    EXPECT_EQ(s.screen.getState(), Scene_Journey::STATE_MENU);

    s.press({sf::Keyboard::Return});
    SceneSecretBattle* secret = dynamic_cast<SceneSecretBattle*>(s.screen.child);
    ASSERT_NE(secret, nullptr);
    EXPECT_EQ(s.screen.isSecretStarted(), 1);
    ZelkBot_Human* human = s.screen.getHuman();
    int winsBefore = human->getTrainerStats()->countWins();

    // Black screen, "...", the figure fading in, its credo, the view closing in, then the battle.
    idle(s.world.keys, s.screen, 50);
    EXPECT_EQ(secret->getPhase(), 1);
    idle(s.world.keys, s.screen, 20);
    EXPECT_EQ(secret->getPhase(), 1);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(secret->getPhase(), 2);
    idle(s.world.keys, s.screen, 50);
    EXPECT_EQ(secret->getPhase(), 3);
    s.press({sf::Keyboard::Escape});
    EXPECT_EQ(secret->getPhase(), 4);
    // The page turns within a two-frame tap, whose frames already count.
    idle(s.world.keys, s.screen, 47);
    EXPECT_EQ(secret->child, nullptr);
    idle(s.world.keys, s.screen, 1);
    EXPECT_EQ(secret->getPhase(), 5);
    ASSERT_NE(dynamic_cast<Scene_Battle*>(secret->child), nullptr);

    finishChild(*secret, 1);
    s.world.keys.frame();
    s.screen.run(); // the secret scene books the win and ends
    EXPECT_EQ(human->getTrainerStats()->countWins(), winsBefore + 1);
    EXPECT_EQ(s.screen.child, nullptr);
    EXPECT_TRUE(s.screen.isAlive());
    s.world.keys.frame();
    s.screen.run();
    EXPECT_FALSE(s.screen.isAlive());
}

TEST(JourneyScene, ALostSecretBattleBooksNothingAndStillEndsTheJourney) {
    JourneyWorld world(0);
    ZelkBot_Human player;
    ZelkBot opponent;
    Scene_Journey parent;
    parent.controler = &world.keys.controler;
    SceneSecretBattle* secret = new SceneSecretBattle();
    secret->controler = &world.keys.controler;
    secret->init(world.builder, world.options, &player, &opponent,
                 new BattleInformations(world.parser->randomStadiumWithValue(), 3, 0));
    parent.child = secret;
    idle(world.keys, parent, 50);
    tap(world.keys, parent, {sf::Keyboard::BackSpace});
    idle(world.keys, parent, 50);
    tap(world.keys, parent, {sf::Keyboard::Return});
    idle(world.keys, parent, 48);
    ASSERT_EQ(secret->getPhase(), 5);
    ASSERT_NE(secret->child, nullptr);
    finishChild(*secret, 2);
    world.keys.frame();
    parent.run();
    EXPECT_EQ(parent.child, nullptr);
    EXPECT_EQ(parent.result, 0);
    EXPECT_EQ(player.getTrainerStats()->countWins(), 0);
}

TEST(JourneyScene, WithoutRosterTheNinthWinEndsTheJourney) {
    JourneyScreen s(0);
    for (int i = 0; i < 8; ++i)
        s.fight(1);
    // The ninth is an ordinary battle: announced, then fought like the others.
    EXPECT_FALSE(s.screen.getJourney()->isEmpty());
    s.fight(1);
    EXPECT_EQ(s.screen.getWins(), 9);
    EXPECT_EQ(s.screen.getEncounter(), nullptr);
    // Nothing is left: "Quitter" asks nothing and "Continuer" ends the journey.
    s.press({sf::Keyboard::Return});
    EXPECT_FALSE(s.screen.isAlive());
    EXPECT_EQ(s.screen.child, nullptr);
}

TEST(JourneyScene, RemarksFollowTheWins) {
    EXPECT_EQ(Scene_Journey::remarkFor(0), "C'est tout ? M\xEAme un scout peut te battre !");
    EXPECT_EQ(Scene_Journey::remarkFor(2), "Tu peux faire mieux que \xE7"
                                           "a !");
    EXPECT_EQ(Scene_Journey::remarkFor(8), "F\xE9licitations ! Vous \xEAtes le meilleur dresseur jamais !");
    EXPECT_EQ(Scene_Journey::remarkFor(9), Scene_Journey::remarkFor(8));
}

// ---- The selection screen ----

struct SelectionScreen {
    SelectionScreen() {
        screen = new SceneJourneySelection();
        screen->controler = &world.keys.controler;
        screen->init();
    }
    ~SelectionScreen() {
        finishChild(*screen, 0);
        delete screen;
    }
    void press(std::initializer_list<sf::Keyboard::Key> pressed) { tap(world.keys, *screen, pressed); }
    JourneyWorld world;
    SceneJourneySelection* screen;
};

TEST(JourneySelection, EntriesWrapAndTheRulesetChangesAtOnce) {
    SelectionScreen s;
    EXPECT_EQ(s.screen->getDifficulty(), 4);
    EXPECT_EQ(s.screen->getTeamSize(), s.world.options->getTeamSize());
    s.press({sf::Keyboard::Up});
    EXPECT_EQ(s.screen->getCursor(), 3);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen->getRulesetIndex(), 1);
    EXPECT_EQ(s.world.parser->getCurrentRuleset(), s.world.parser->getRulesetAt(1));
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen->getRulesetIndex(), 0);
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.world.parser->getCurrentRuleset(), s.world.parser->getRulesetAt(1));
    s.press({sf::Keyboard::Up});
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen->getDifficulty(), 3);
    for (int i = 0; i < 7; ++i)
        s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen->getDifficulty(), 0);
    s.press({sf::Keyboard::Up});
    ASSERT_EQ(s.screen->getTeamSize(), 3);
    s.press({sf::Keyboard::Left});
    s.press({sf::Keyboard::Left});
    s.press({sf::Keyboard::Left});
    EXPECT_EQ(s.screen->getTeamSize(), 6);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen->getTeamSize(), 1);
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen->getCursor(), 0);

    // Leaving makes the first ruleset current again.
    s.press({sf::Keyboard::Escape});
    EXPECT_FALSE(s.screen->isAlive());
    EXPECT_EQ(s.world.parser->getCurrentRuleset(), s.world.parser->getRulesetAt(0));
}

TEST(JourneySelection, TheQuestionTakesLeftRightOnlyAndNonStartsNothing) {
    SelectionScreen s;
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen->isConfirming(), 1);
    s.press({sf::Keyboard::Down});
    EXPECT_EQ(s.screen->getCursor(), 0);
    s.press({sf::Keyboard::Right});
    EXPECT_EQ(s.screen->getConfirmChoice(), 1);
    s.press({sf::Keyboard::Return});
    EXPECT_EQ(s.screen->isConfirming(), 0);
    EXPECT_EQ(s.screen->child, nullptr);
    // Backspace closes the question without leaving.
    s.press({sf::Keyboard::Return});
    s.press({sf::Keyboard::BackSpace});
    EXPECT_EQ(s.screen->isConfirming(), 0);
    EXPECT_TRUE(s.screen->isAlive());
}

TEST(JourneySelection, OuiStartsTheJourneyWithTheChosenSizeForItOnly) {
    SelectionScreen s;
    int saved = s.world.options->getTeamSize();
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Right});
    int chosen = saved % 6 + 1;
    EXPECT_EQ(s.screen->getTeamSize(), chosen);
    s.press({sf::Keyboard::Return});
    s.world.keys.frame({sf::Keyboard::Return});
    s.screen->run();
    Scene_Journey* journey = dynamic_cast<Scene_Journey*>(s.screen->child);
    ASSERT_NE(journey, nullptr);
    EXPECT_EQ(s.screen->getCursor(), 0);
    EXPECT_EQ(s.screen->isConfirming(), 0);
    EXPECT_EQ(s.world.options->getTeamSize(), chosen);
    finishChild(*s.screen, 0);
    delete s.screen;
    s.screen = new SceneJourneySelection();
    EXPECT_EQ(s.world.options->getTeamSize(), saved);
}

} // namespace

namespace {

// Drawn in a real window, state by state: the quit question marks its chosen answer in colour 9.
TEST(JourneyScene, DrawsEveryStateAndMarksTheChosenAnswer) {
    GameWindow window;
    JourneyScreen s(1);
    s.screen.window = &window;
    auto answerBoxColour = [&](int x) { return pixelAt(window, x, 305); };
    s.screen.draw();
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    s.screen.draw();
    s.press({sf::Keyboard::BackSpace});
    s.press({sf::Keyboard::BackSpace});
    ASSERT_EQ(s.screen.getMenuMode(), Scene_Journey::MENU_QUIT);
    s.screen.draw();
    sf::Color non = answerBoxColour(230), oui = answerBoxColour(450);
    EXPECT_FALSE(sameColour(non, oui, 2));
    s.press({sf::Keyboard::Left});
    s.screen.draw();
    EXPECT_TRUE(sameColour(answerBoxColour(450), non, 2));
    EXPECT_TRUE(sameColour(answerBoxColour(230), oui, 2));
    s.press({sf::Keyboard::BackSpace});
    // The banners of a win, an announcement and a loss, frame by frame.
    s.press({sf::Keyboard::Up});
    s.press({sf::Keyboard::Return});
    finishChild(s.screen, 1);
    for (int i = 0; i < 102; ++i) {
        s.world.keys.frame();
        s.screen.run();
        s.screen.draw();
    }
    s.fight(2);
    s.screen.draw();
    s.press({sf::Keyboard::Down});
    s.press({sf::Keyboard::Return});
    s.screen.draw();
    EXPECT_GT(inkBox(captureFrame(window), sf::Color::White).width, 0);

    SceneSecretBattle secret;
    secret.window = &window;
    secret.controler = &s.world.keys.controler;
    ZelkBot opponent;
    secret.init(s.world.builder, s.world.options, s.screen.getHuman(), &opponent,
                new BattleInformations(s.world.parser->randomStadiumWithValue(), 3, 0));
    for (int frame = 0; frame < 200 && secret.getPhase() < 5; ++frame) {
        s.world.keys.frame(frame % 10 == 0 ? std::initializer_list<sf::Keyboard::Key>{sf::Keyboard::Return}
                                           : std::initializer_list<sf::Keyboard::Key>{});
        secret.run();
    }
    EXPECT_EQ(secret.getPhase(), 5);
    finishChild(secret, 3);
}

TEST(JourneySelection, DrawsTheRulesetSummaryAndTheQuestion) {
    GameWindow window;
    SelectionScreen s;
    s.screen->window = &window;
    s.world.parser->selectRuleset(1);
    s.screen->draw();
    s.press({sf::Keyboard::Return});
    s.screen->draw();
    EXPECT_FALSE(sameColour(pixelAt(window, 230, 305), pixelAt(window, 450, 305), 2));
}

TEST(DraftScene, DrawsTheOfferTheTeamAndTheGaps) {
    GameWindow window;
    JourneyWorld world;
    ZelkBot_Human player;
    Scene_Draft draft;
    draft.window = &window;
    draft.controler = &world.keys.controler;
    draft.init(&player, world.builder, world.options);
    for (int pick = 0; pick < 7; ++pick) {
        draft.draw();
        tap(world.keys, draft, {sf::Keyboard::Return});
    }
    EXPECT_FALSE(draft.isAlive());
}

} // namespace
