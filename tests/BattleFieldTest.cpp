// The battle field: action list order, state, requests, result and support, messages, crowd, figures,
// field-wide buffs and the look-ahead copy.
#include <gtest/gtest.h>

#include <vector>

#include "BattleFixture.hpp"
#include "battle/ActionSocket.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameMove.hpp"
#include "battle/GameOrder.hpp"
#include "rules/Game_Options.hpp"

namespace {
std::vector<int> typesOf(const GameField::ActionQueue& actions) {
    std::vector<int> types;
    for (ActionSocket* action : actions)
        types.push_back(action->getType());
    return types;
}

// An action of that type with a chosen roll.
ActionSocket* rolled(int type, int side, int priority, int roll) {
    ScriptedRandom draw({roll});
    return new ActionSocket(type, side, 0, priority);
}

void knockOutTeam(ZelkinTeam* team) {
    for (int i = 0; team->getMemberAt(i) != nullptr; ++i)
        team->getMemberAt(i)->setHp(0);
}

// A presentation that records what the field asks of it.
struct RecordingFigure : BattleFigure {
    explicit RecordingFigure(int* deletions) : deletions(deletions) {}
    ~RecordingFigure() override { ++*deletions; }
    void setLayer(int) override {}
    void setShown(bool) override {}
    void setShadow() override {}
    void setSize(int) override {}
    void setPersonality(int) override {}
    void playAnimation(int) override {}
    int* deletions;
};

struct RecordingSupporter : BattleSupporter {
    void updateJump(int support0, int support1) override {
        last0 = support0;
        last1 = support1;
    }
    int last0 = -1;
    int last1 = -1;
};

struct RecordingPresentation : BattlePresentation {
    RecordingPresentation() { installBattlePresentation(this); }
    ~RecordingPresentation() override { installBattlePresentation(nullptr); }
    BattleFigure* newFigure(ZelkinZelkinary*, int, int, int, int) override { return nullptr; }
    BattleAnimation* newAnimation(int, int, BattleFigure*) override { return nullptr; }
    std::vector<BattleSupporter*>* collectSupporters(int popularity0, int popularity1, Stadium*, TrainerList*,
                                                     WindowServices*) override {
        popularities = {popularity0, popularity1};
        supporter = new RecordingSupporter();
        return new std::vector<BattleSupporter*>{supporter};
    }
    void showFigure(BattleFigure* figure) override { shown.push_back(figure); }
    void hideFigure(BattleFigure* figure) override { hidden.push_back(figure); }
    std::vector<int> popularities;
    RecordingSupporter* supporter = nullptr;
    std::vector<BattleFigure*> shown;
    std::vector<BattleFigure*> hidden;
};
} // namespace

class BattleField : public ::testing::Test {
protected:
    void SetUp() override { field = world.makeQuietField(); }
    void TearDown() override { delete field; }
    BattleFixture world;
    GameField* field = nullptr;
};

// Sorted by type, then priority, then roll (higher first); complete ties keep insertion order.
TEST_F(BattleField, InsertActionOrdersByTypePriorityAndRoll) {
    ActionSocket* sendOut = rolled(ActionSocket::SEND_OUT, 0, 0, 50);
    ActionSocket* lowRoll = rolled(ActionSocket::DEFERRED_EFFECT, 0, 0, 10);
    ActionSocket* highRoll = rolled(ActionSocket::DEFERRED_EFFECT, 1, 0, 80);
    ActionSocket* firstTie = rolled(ActionSocket::AFTER_SWITCH, 0, 60, 30);
    ActionSocket* secondTie = rolled(ActionSocket::AFTER_SWITCH, 1, 60, 30);
    ActionSocket* faster = rolled(ActionSocket::AFTER_SWITCH, 1, 90, 0);
    for (ActionSocket* action : {sendOut, lowRoll, highRoll, firstTie, secondTie, faster})
        field->insertAction(action);
    std::vector<ActionSocket*> expected = {highRoll, lowRoll, sendOut, faster, firstTie, secondTie};
    std::vector<ActionSocket*> listed(field->getActionList().begin(), field->getActionList().end());
    EXPECT_EQ(listed, expected);
}

// A side is knocked out once: a second knock-out met on the way in is dropped (and freed).
TEST_F(BattleField, InsertActionDropsASecondKnockOutOfTheSameSide) {
    field->insertAction(rolled(ActionSocket::KNOCK_OUT, 0, 0, 20));
    field->insertAction(rolled(ActionSocket::KNOCK_OUT, 0, 4, 90));
    field->insertAction(rolled(ActionSocket::KNOCK_OUT, 1, 2, 90));
    ASSERT_EQ(field->getActionList().size(), 2u);
    EXPECT_EQ(field->getActionList().front()->getSource(), 1);
    EXPECT_EQ(field->getActionList().back()->getPriority(), 0);
}

TEST_F(BattleField, CancelAndDropRemoveOnlyTheirActions) {
    for (int type : {ActionSocket::BEFORE_MOVE, ActionSocket::MATCH_START, ActionSocket::MOVE_DECLARE,
                     ActionSocket::END_TURN, ActionSocket::MOVE_EFFECTS, ActionSocket::MOVE_MISS})
        field->pushBackAction(new ActionSocket(type, 0, 0));
    field->cancelMoveActions();
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{13, 32}));

    auto& queue = field->getOrderQueue();
    queue.push_back(new ActionSocket(ActionSocket::SWITCH_ORDER, 0, 1));
    queue.push_back(new ActionSocket(nullptr, 1, 0));
    queue.push_back(new ActionSocket(nullptr, 0, 2));
    queue.push_back(new ActionSocket(ActionSocket::ORDERS_COMPLETE, 0, 0));
    field->dropOrdersOfSide(0);
    ASSERT_EQ(queue.size(), 2u);
    EXPECT_EQ(queue.front()->getSource(), 1);
    EXPECT_EQ(queue.back()->getType(), ActionSocket::ORDERS_COMPLETE);
}

TEST_F(BattleField, StateFollowsRequestsActionsResultAndClosing) {
    EXPECT_EQ(field->getState(), GameField::STATE_RUNNING);
    field->requestOrders();
    EXPECT_EQ(field->getState(), GameField::STATE_WAITING);
    EXPECT_EQ(field->getOpenRequest(0), 1);
    field->pushBackAction(new ActionSocket(ActionSocket::END_TURN, 0, 0));
    field->popAction();
    EXPECT_EQ(field->getState(), GameField::STATE_RUNNING);
    EXPECT_EQ(field->getOpenRequest(0), 0);
    field->setResult(1);
    EXPECT_EQ(field->getState(), GameField::STATE_RUNNING);
    field->pushBackAction(new ActionSocket(ActionSocket::RESULT_REMARK, 0, 0));
    field->popAction();
    EXPECT_EQ(field->getState(), GameField::STATE_DECIDED);
    field->endMatch();
    EXPECT_EQ(field->getState(), GameField::STATE_CLOSED);
    field->setResult(0);
    EXPECT_EQ(field->getState(), GameField::STATE_CLOSED);
}

// The field owns stored orders: a new request drops the old order, and a replaced order is freed.
TEST_F(BattleField, RequestsAndOrdersOwnership) {
    field->requestOrders();
    field->setOrder(0, new GameOrder());
    EXPECT_EQ(field->getOpenRequest(0), 0);
    field->setRequest(0, 0);
    EXPECT_NE(field->getOrder(0), nullptr);
    field->setOrder(0, new GameOrder()); // the first one must not leak
    field->setOrder(0, field->getOrder(0));
    EXPECT_NE(field->getOrder(0), nullptr);
    field->setRequest(0, 1);
    EXPECT_EQ(field->getOrder(0), nullptr);

    field->setOrder(1, new GameOrder());
    field->setRequest(1, 2);
    field->setOrder(1, new GameOrder());
    field->dropRequestedOrders();
    EXPECT_EQ(field->getOrder(1), nullptr);
    field->clearRequests();
    EXPECT_EQ(field->getRequest(1), 0);

    // Sides outside 0 and 1 change nothing and read as nothing.
    field->setOrder(2, new GameOrder());
    field->setRequest(-1, 1);
    EXPECT_EQ(field->getOrder(2), nullptr);
    EXPECT_EQ(field->getTeam(2), nullptr);
    EXPECT_EQ(field->getTeamChecked(-1), nullptr);
    EXPECT_EQ(field->getRequest(5), 0);
}

TEST_F(BattleField, TimersCountersAndRecords) {
    EXPECT_EQ(field->getTimer(7), 0);
    EXPECT_EQ(field->getTimer(-1), 0);
    field->setTimer(-1, 9);
    field->setTimer(3, 2);
    EXPECT_EQ(field->getTimer(3), 2);
    EXPECT_EQ(field->tickMessageTimer(), 0);
    EXPECT_EQ(field->tickMessageTimer(), 0);
    field->setEventFlag(5, 1);
    EXPECT_EQ(field->getEventFlag(5), 0);

    field->newMoveRecord();
    GameMove* first = field->getCurrentMove();
    field->newMoveRecord();
    field->newMoveRecord();
    EXPECT_EQ(field->getMoveCount(), 3);
    EXPECT_NE(field->getPreviousMove(), first);
    EXPECT_EQ(field->getCurrentMove()->getHitsWanted(), 1);
    field->nextTurn();
    EXPECT_EQ(field->getMoveCount(), 0);
    field->clearMoveRecords();
    EXPECT_EQ(field->getCurrentMove(), nullptr);

    EXPECT_EQ(field->popAction(), nullptr);
    EXPECT_EQ(field->popOrder(), nullptr);
}

TEST_F(BattleField, CompareInitiativeLooksAtPrioritiesFirst) {
    EXPECT_EQ(field->compareInitiative(5, 9, 1, 0), 0);
    EXPECT_EQ(field->compareInitiative(5, 9, 0, 0), 1);
    EXPECT_EQ(field->compareInitiative(9, 5, 0, 3), 1);
    ScriptedRandom coin({1, 0});
    EXPECT_EQ(field->compareInitiative(7, 7, 2, 2), 1);
    EXPECT_EQ(field->compareInitiative(7, 7, 2, 2), 0);
}

TEST(BattleFieldResult, WinnerDoublesSupportLoserLosesThirty) {
    BattleFixture world;
    GameField* field = world.makeField();
    field->getTeam(0)->getMemberAt(2)->setHp(0);
    knockOutTeam(field->getTeam(1));
    field->addSupport(0, 15);
    field->removeSupport(1, 5);
    field->pushBackAction(new ActionSocket(ActionSocket::END_TURN, 0, 0));
    field->decideResult();
    EXPECT_EQ(field->getResult(), 1);
    EXPECT_EQ(field->getSupport(0), 80);
    EXPECT_EQ(field->getSupport(1), 0);
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{40, 41}));
    delete field;
}

TEST(BattleFieldResult, DrawRaisesBothSupportsAndUndecidedChangesNothing) {
    BattleFixture world;
    GameField* field = world.makeField();
    field->pushBackAction(new ActionSocket(ActionSocket::END_TURN, 0, 0));
    field->decideResult();
    EXPECT_EQ(field->getResult(), 0);
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{32}));

    knockOutTeam(field->getTeam(0));
    knockOutTeam(field->getTeam(1));
    field->removeSupport(0, 15);
    field->addSupport(1, -4);
    field->decideResult();
    EXPECT_EQ(field->getResult(), 3);
    EXPECT_EQ(field->getSupport(0), 12);
    EXPECT_EQ(field->getSupport(1), 26);
    delete field;
}

// Only the plain result remark when the battle runs fast or is quiet.
TEST(BattleFieldResult, FastOrQuietBattleQueuesOnlyTheResultRemark) {
    BattleFixture world;
    world.parser->getOptions()->cycleBattleSpeed(true);
    ASSERT_EQ(world.parser->getOptions()->getBattleSpeed(), 1);
    GameField* fast = world.makeField();
    knockOutTeam(fast->getTeam(1));
    fast->decideResult();
    EXPECT_EQ(typesOf(fast->getActionList()), (std::vector<int>{40}));
    delete fast;

    world.parser->getOptions()->cycleBattleSpeed(true);
    GameField* quiet = world.makeQuietField();
    knockOutTeam(quiet->getTeam(0));
    quiet->decideResult();
    EXPECT_EQ(quiet->getResult(), 2);
    EXPECT_EQ(typesOf(quiet->getActionList()), (std::vector<int>{40}));
    delete quiet;
}

TEST_F(BattleField, SupportDecaysAndNeverGoesNegative) {
    field->removeSupport(0, 18);
    field->removeSupport(1, 24);
    field->requestOrders();
    EXPECT_EQ(field->getSupport(0), 4);
    EXPECT_EQ(field->getSupport(1), 0);
    field->removeSupport(1, 10);
    EXPECT_EQ(field->getSupport(1), 0);
    EXPECT_EQ(field->getHypeLevel(), 2);
    field->addSupport(0, 46);
    EXPECT_EQ(field->getHypeLevel(), 0);
    field->addSupport(1, 101);
    EXPECT_EQ(field->getHypeLevel(), 1);
    EXPECT_EQ(field->getSupport(7), 101);
}

TEST_F(BattleField, MatchOpensWithSendOutsAndClosesWithTheBestCreature) {
    field->startMatch();
    // Quiet battle: no match-start action; side 1 is sent out first.
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{28, 28}));
    EXPECT_EQ(field->getActionList().front()->getSource(), 1);
    EXPECT_TRUE(field->getTeam(0)->isActionBlocked());
    EXPECT_EQ(field->getTeam(1)->getMemberAt(2)->getBattleStat(8), 1);

    Zelkin* second = field->getTeam(1)->getMemberAt(1);
    Zelkin* third = field->getTeam(1)->getMemberAt(2);
    second->addMvpPoints(40, 0);
    third->addMvpPoints(40, 1);
    field->setResult(2);
    field->endMatch();
    EXPECT_EQ(field->getBestCreature(), second);
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{42, 43}));
    EXPECT_EQ(second->getBattleStat(7), 1);
}

TEST(BattleFieldMatch, LoudMatchStartsWithTheMatchStartActionAndDrawHasNoBest) {
    BattleFixture world;
    GameField* field = world.makeField();
    field->startMatch();
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{13, 28, 28}));
    field->setResult(3);
    field->endMatch();
    EXPECT_EQ(typesOf(field->getActionList()), (std::vector<int>{42}));
    EXPECT_EQ(field->getBestCreature(), nullptr);
    delete field;
}

TEST_F(BattleField, MessageTimerAndVisibility) {
    field->setMessage("Flamby utilise Charge !");
    EXPECT_EQ(field->getVisibleMessage(), "Flamby utilise Charge !\n");
    field->setMessageTimer(3);
    field->setMessage("");
    EXPECT_EQ(field->tickMessageTimer(), 59);
    EXPECT_EQ(field->getVisibleMessage(), "Flamby utilise Charge !\n");
    field->setMessageTimer(9);
    EXPECT_EQ(field->getVisibleMessage(), "");
    field->setMessageTimer(10);
    field->finishAction();
    EXPECT_EQ(field->getVisibleMessage(), "");
}

TEST(BattleFieldComment, TakeCommentHandsTheLineOutOnlyWhenItMayBeShown) {
    BattleFixture world;
    GameField* field = world.makeField();
    EXPECT_EQ(field->makeComment(4, 0, 0, 0), "[SOURCE] frappe fort !");
    EXPECT_TRUE(field->replaceInComment("[SOURCE]", "Flamby"));
    EXPECT_FALSE(field->replaceInComment("[SOURCE]", "Flamby"));
    EXPECT_FALSE(field->replaceInComment("", "x"));

    world.parser->getOptions()->toggleCommentator();
    EXPECT_EQ(field->takeComment(), "");
    world.parser->getOptions()->toggleCommentator();
    EXPECT_EQ(field->takeComment(), "Flamby frappe fort !");
    EXPECT_EQ(field->takeComment(), "");
    delete field;

    GameField* quiet = world.makeQuietField();
    quiet->makeComment(4, 0, 0, 0);
    EXPECT_EQ(quiet->takeComment(), "");
    delete quiet;

    std::string text = "[X] contre [X]";
    GameField* any = world.makeQuietField();
    EXPECT_TRUE(any->replaceFirst(text, "[X]", "2"));
    EXPECT_EQ(text, "2 contre [X]");
    delete any;
}

// Three hundred frames of waiting for the players make the commentator speak, once.
TEST(BattleFieldComment, IdleRemarkAfterThreeHundredWaitingFrames) {
    BattleFixture world;
    GameField* field = world.makeField();
    field->pushBackAction(new ActionSocket(ActionSocket::END_TURN, 0, 0));
    field->popAction();
    for (int frame = 0; frame < 400; ++frame)
        field->update();
    EXPECT_EQ(field->takeComment(), "");

    field->finishAction();
    field->requestOrders();
    field->setTimer(2, 5);
    for (int frame = 0; frame < 299; ++frame)
        field->update();
    EXPECT_EQ(field->takeComment(), "");
    EXPECT_EQ(field->getTimer(2), 0);
    field->update();
    EXPECT_EQ(field->takeComment(), "Alors, on se decide ?");
    for (int frame = 0; frame < 299; ++frame)
        field->update();
    EXPECT_EQ(field->takeComment(), "");
    delete field;
}

TEST(BattleFieldCrowd, CrowdOnlyForLoudBattlesOutsideTheUltimateStadium) {
    BattleFixture world;
    RecordingPresentation screen;
    {
        ScriptedRandom draws({3, 39});
        GameField* field = world.makeField(1, 2);
        // Hype 20 + 8 x round 2, plus each side's own draw.
        EXPECT_EQ(screen.popularities, (std::vector<int>{39, 75}));
        ASSERT_EQ(field->getSupporters()->size(), 1u);
        field->addSupport(1, 5);
        field->update();
        EXPECT_EQ(screen.supporter->last0, 25);
        EXPECT_EQ(screen.supporter->last1, 30);
        delete field;
    }
    screen.popularities.clear();
    for (GameField* field : {world.makeField(0, 0, "Sommet Calme"), world.makeQuietField()}) {
        EXPECT_TRUE(screen.popularities.empty());
        ASSERT_NE(field->getSupporters(), nullptr);
        EXPECT_TRUE(field->getSupporters()->empty());
        delete field;
    }
}

// The particle engine must never be left drawing a figure the field has freed.
TEST(BattleFieldCrowd, FiguresAreHiddenBeforeTheyAreFreed) {
    BattleFixture world;
    RecordingPresentation screen;
    int deletions = 0;
    GameField* field = world.makeQuietField();
    BattleFigure* first = new RecordingFigure(&deletions);
    BattleFigure* second = new RecordingFigure(&deletions);
    field->setSideFigure(0, first);
    field->setSideFigure(0, second);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(screen.hidden, (std::vector<BattleFigure*>{first}));
    field->setSideFigure(1, nullptr);
    delete field;
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(screen.hidden.back(), second);
    EXPECT_EQ(screen.shown.size(), 2u);
}

TEST_F(BattleField, GlobalBuffsAreUniqueSortedAndShareSpots) {
    EXPECT_TRUE(field->addGlobalBuff(world.makeBuff("Pluie", 4)));
    ZelkinBuff* again = world.makeBuff("Pluie");
    EXPECT_FALSE(field->addGlobalBuff(again));
    delete again;
    EXPECT_FALSE(field->addGlobalBuff(nullptr));
    EXPECT_EQ(field->getGlobalBuffCount(), 1);

    size_t discardedBefore = discardedBuffs().size();
    ZelkinBuff* rain = field->getGlobalBuff(0);
    EXPECT_TRUE(field->addGlobalBuff(world.makeBuff("Soleil")));
    EXPECT_EQ(field->findGlobalBuff("Pluie"), nullptr);
    ASSERT_EQ(discardedBuffs().size(), discardedBefore + 1);
    EXPECT_EQ(discardedBuffs().back(), rain);

    // Creature buffs before team buffs, later definitions first.
    EXPECT_TRUE(field->addGlobalBuff(world.makeBuff("Garde")));
    EXPECT_TRUE(field->addGlobalBuff(world.makeBuff("Brulure")));
    ASSERT_EQ(field->getGlobalBuffCount(), 3);
    EXPECT_EQ(field->getGlobalBuff(0)->getDefinition()->getName(), "Soleil");
    EXPECT_EQ(field->getGlobalBuff(1)->getDefinition()->getName(), "Brulure");
    EXPECT_EQ(field->getGlobalBuff(2)->getDefinition()->getName(), "Garde");
    EXPECT_EQ(field->getGlobalBuff(3), nullptr);
    EXPECT_EQ(field->getGlobalBuff(-1), nullptr);

    EXPECT_TRUE(field->removeGlobalBuff("Brulure"));
    EXPECT_FALSE(field->removeGlobalBuff("Brulure"));
    EXPECT_FALSE(field->removeGlobalBuffBySpot("meteo2"));
    ZelkinBuff* guard = field->getGlobalBuff(1);
    field->eraseGlobalBuff(5);
    field->eraseGlobalBuff(1);
    EXPECT_EQ(field->getGlobalBuffCount(), 1);
    delete guard;
}

TEST_F(BattleField, RemovingByTagTakesNeighboursToo) {
    field->addGlobalBuff(world.makeBuff("Brume"));
    field->addGlobalBuff(world.makeBuff("Pluie"));
    field->addGlobalBuff(world.makeBuff("Garde"));
    EXPECT_TRUE(field->removeGlobalBuffsWithTag("climat"));
    ASSERT_EQ(field->getGlobalBuffCount(), 1);
    EXPECT_EQ(field->getGlobalBuff(0)->getDefinition()->getName(), "Garde");
    EXPECT_FALSE(field->removeGlobalBuffsWithTag("climat"));
}

TEST_F(BattleField, BuffDescriptionsShowTurnSpotNameAndDuration) {
    field->nextTurn();
    field->nextTurn();
    field->addGlobalBuff(world.makeBuff("Pluie", 4));
    field->addGlobalBuff(world.makeBuff("Brume", 3));
    field->setTimer(6, 45);
    std::vector<ZelkinBuffBattleDesc> lines = field->getBuffDescriptions();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].getText(), "Turn : 2");
    EXPECT_EQ(lines[0].getColor(), 2);
    EXPECT_EQ(lines[1].getText(), "meteo : Pluie (4)");
    EXPECT_EQ(lines[1].getColor(), 14);

    field->findGlobalBuff("Pluie")->setDuration(0);
    field->addGlobalBuff(world.makeBuff("Brulure", 2));
    field->addGlobalBuff(world.makeBuff("Garde"));
    field->buildBuffDescriptions();
    lines = field->getBuffDescriptions();
    ASSERT_EQ(lines.size(), 4u);
    // Later definitions first: Pluie was loaded after Brulure.
    EXPECT_EQ(lines[1].getText(), "meteo : Pluie");
    EXPECT_EQ(lines[2].getText(), "Brulure (2)");
    EXPECT_EQ(lines[2].getColor(), 6);
    EXPECT_EQ(lines[3].getText(), "garde : Garde");
    EXPECT_EQ(lines[3].getColor(), 9);
}

TEST_F(BattleField, FieldVariablesReadTheTurnAndLiveGlobalNames) {
    for (int i = 0; i < 3; ++i)
        field->nextTurn();
    EXPECT_FLOAT_EQ(field->getVariable("turn"), 3.0f);
    EXPECT_FLOAT_EQ(field->getVariable("Turn"), 0.0f);
    field->setVariable("turn", 9.0f);
    EXPECT_FLOAT_EQ(field->getVariable("turn"), 3.0f);

    field->addGlobalBuff(world.makeBuff("Pluie"));
    field->addGlobalBuff(world.makeBuff("Garde"));
    field->findGlobalBuff("Pluie")->kill();
    EXPECT_EQ(field->getTextVariable("list_globals"), (std::vector<std::string>{"Garde"}));
    EXPECT_EQ(field->getTextVariable("global_list"), (std::vector<std::string>{"Garde"}));
    EXPECT_TRUE(field->getTextVariable("globals").empty());
}

// The look-ahead copy shares nothing that changes: it outlives the original and starts a fresh turn.
TEST(BattleFieldClone, CopyIsIndependentAndStartsAfresh) {
    BattleFixture world;
    GameField* field = world.makeField(1, 4);
    for (int i = 0; i < 7; ++i)
        field->nextTurn();
    field->addSupport(0, 55);
    field->removeSupport(1, 15);
    field->addGlobalBuff(world.makeBuff("Pluie", 4, 2));
    field->addGlobalBuff(world.makeBuff("Garde", 0, 1));
    field->findGlobalBuff("Garde")->kill();
    field->requestOrders();
    field->setOrder(0, new GameOrder());
    field->pushBackAction(new ActionSocket(ActionSocket::END_TURN, 0, 0));

    GameField* copy = field->clone();
    EXPECT_EQ(copy->getTurn(), 0);
    EXPECT_EQ(copy->getSupport(0), 25);
    EXPECT_EQ(copy->getSupport(1), 25);
    EXPECT_EQ(copy->getOrder(0), nullptr);
    EXPECT_EQ(copy->getRequest(0), 0);
    EXPECT_TRUE(copy->getActionList().empty());
    EXPECT_EQ(copy->getSupporters(), nullptr);
    EXPECT_EQ(copy->getBattleInformations()->getRound(), 4);
    EXPECT_NE(copy->getBattleInformations(), field->getBattleInformations());
    ASSERT_EQ(copy->getGlobalBuffCount(), 2);
    ZelkinBuff* rain = copy->findGlobalBuff("Pluie");
    EXPECT_NE(rain, field->findGlobalBuff("Pluie"));
    EXPECT_EQ(rain->getDuration(), 4);
    EXPECT_EQ(rain->getValue(), 2);
    EXPECT_TRUE(copy->findGlobalBuff("Garde")->isAlive());

    ZelkinTeam* team = copy->getTeam(1);
    ASSERT_NE(team, field->getTeam(1));
    ASSERT_EQ(team->countAlive(), 3);
    EXPECT_EQ(team->getMemberAt(0)->getName(), "Rocaille");
    team->getMemberAt(0)->setHp(0);
    EXPECT_GT(field->getTeam(1)->getMemberAt(0)->getHp(), 0);

    delete field;
    copy->removeGlobalBuff("Pluie");
    copy->startMatch();
    EXPECT_EQ(copy->getTeam(0)->countAlive(), 3);
    delete copy;
}
