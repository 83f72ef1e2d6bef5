// The battle screen's keys: the team pick grid, the player's four menus and the orders they give.
#include <gtest/gtest.h>

#include "BattleScreenSupport.hpp"
#include "battle/GameOrder.hpp"
#include "players/SelectTeam.hpp"
#include "players/TrainerStats.hpp"

namespace {

using K = sf::Keyboard;

TEST(BattleSelection, GridCursorPicksUnpicksAndConfirmation) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    world.skipOpening();
    SelectTeam* own = screen.getSelection(0);

    world.press({K::Up});
    EXPECT_EQ(screen.getCursor(), 4);
    world.press({K::Down});
    EXPECT_EQ(screen.getCursor(), 0);
    world.press({K::Left});
    EXPECT_EQ(screen.getCursor(), 5);
    world.press({K::Right});
    EXPECT_EQ(screen.getCursor(), 0);

    // Enter and a digit in one frame are two picks, Enter's first; a number already picked is refused.
    world.press({K::Return, K::Num3});
    ASSERT_EQ(own->getPickCount(), 2);
    EXPECT_EQ(own->getPicked(0), own->getMember(0));
    EXPECT_EQ(own->getPicked(1), own->getMember(2));
    world.press({K::Num1});
    EXPECT_EQ(own->getPickCount(), 2);
    EXPECT_EQ(own->unpick(), 1);
    world.press({K::BackSpace});
    EXPECT_EQ(own->getPickCount(), 0);

    // With the team complete, one more Enter or digit closes the list; Backspace cannot reopen it.
    world.press({K::Num6});
    world.press({K::Num5});
    world.press({K::Num4});
    EXPECT_FALSE(own->isFull());
    world.press({K::Num1});
    EXPECT_TRUE(own->isFull());
    EXPECT_EQ(own->getPickCount(), 3);
    world.press({K::BackSpace});
    EXPECT_EQ(own->getPickCount(), 3);

    // The match starts in the frame the computer side's list closes, the picks in their order.
    ASSERT_TRUE(world.runUntil([&] { return screen.getPhase() == Scene_Battle::PHASE_BATTLE; }, 400));
    EXPECT_TRUE(screen.getSelection(1)->isFull());
    ZelkinTeam* team = screen.getField()->getTeamChecked(0);
    EXPECT_EQ(team->getMemberAt(0), own->getMember(5));
    EXPECT_EQ(team->getMemberAt(2), own->getMember(3));
    EXPECT_EQ(team->getActive(), own->getMember(5));
}

TEST(BattleSelection, TeamSizeOneNeedsOnePickAndAConfirmation) {
    BattleScreenWorld world;
    world.options->setTeamSize(1);
    TestBattleScreen& screen = world.start();
    world.skipOpening();
    world.press({K::Return});
    EXPECT_FALSE(screen.getSelection(0)->isFull());
    world.press({K::Return});
    EXPECT_TRUE(screen.getSelection(0)->isFull());
}

TEST(BattleMenus, CommandMenuCursorWrapsAndMoveMenuRemembersTheLastSlot) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    ASSERT_TRUE(world.reachBattle());
    ASSERT_TRUE(world.reachPlayersTurn());
    GameField* field = screen.getField();

    world.press({K::Up});
    EXPECT_EQ(screen.getCursor(), 1);
    world.press({K::Left});
    EXPECT_EQ(screen.getCursor(), 0);
    world.press({K::Down});
    EXPECT_EQ(screen.getCursor(), 2);
    world.press({K::Right});
    EXPECT_EQ(screen.getCursor(), 0);

    world.press({K::Return});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_MOVES);
    world.press({K::Down});
    world.press({K::Right});
    EXPECT_EQ(screen.getCursor(), 3);
    world.press({K::Return});
    GameOrder* order = field->getOrder(0);
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->getKind(), GameOrder::KIND_MOVE);
    EXPECT_EQ(order->getMoveSlot(), 3);
    EXPECT_EQ(screen.getLastMove(), 3);
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_COMMAND);
    EXPECT_EQ(field->getOpenRequest(0), 0);
    // Once the order is with the field every key is ignored.
    world.press({K::Num3});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_COMMAND);

    // Next turn the move menu opens on slot 3 again.
    field->setRequest(0, 1);
    world.press({K::Return});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_MOVES);
    EXPECT_EQ(screen.getCursor(), 3);
    world.press({K::BackSpace});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_COMMAND);
    EXPECT_EQ(screen.getCursor(), 0);
}

TEST(BattleMenus, DigitsForfeitConfirmationAndClosedChoices) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    ASSERT_TRUE(world.reachBattle());
    ASSERT_TRUE(world.reachPlayersTurn());
    GameField* field = screen.getField();
    ZelkinTeam* team = field->getTeamChecked(0);

    // "1 : Non" goes back onto "3 : Forfait".
    world.press({K::Num3});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_FORFEIT);
    world.press({K::Num1});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_FORFEIT);
    world.press({K::Return});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_COMMAND);
    EXPECT_EQ(screen.getCursor(), 2);

    // A closed move slot or a closed switch gives nothing and leaves the menu open.
    team->setMemberMark(1, 0);
    team->setMemberMark(4, 0);
    world.press({K::Num1});
    world.press({K::Num2});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_MOVES);
    EXPECT_EQ(field->getOrder(0), nullptr);
    world.press({K::BackSpace});
    world.press({K::Num2});
    world.press({K::Num2});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_CREATURES);
    EXPECT_EQ(field->getOrder(0), nullptr);

    // Enter with a digit: the digit acts in the menu Enter has just opened.
    team->setMemberMark(1, 1);
    world.press({K::BackSpace});
    world.press({K::Return, K::Num2});
    ASSERT_NE(field->getOrder(0), nullptr);
    EXPECT_EQ(field->getOrder(0)->getKind(), GameOrder::KIND_MOVE);
    EXPECT_EQ(field->getOrder(0)->getMoveSlot(), 1);
}

TEST(BattleMenus, AttackWithNoMoveOpenGivesTheFallbackMoveAtOnce) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    ASSERT_TRUE(world.reachBattle());
    ASSERT_TRUE(world.reachPlayersTurn());
    GameField* field = screen.getField();
    for (int i = 0; i < 4; ++i)
        field->getTeamChecked(0)->setMemberMark(i, 0);
    // The digit only opens the menu, where nothing can be chosen.
    world.press({K::Num1});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_MOVES);
    world.press({K::Num1});
    EXPECT_EQ(field->getOrder(0), nullptr);
    world.press({K::BackSpace});
    world.press({K::Return});
    ASSERT_NE(field->getOrder(0), nullptr);
    EXPECT_EQ(field->getOrder(0)->getMoveSlot(), 4);
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_COMMAND);
}

TEST(BattleMenus, ForcedReplacementKeepsTheCreatureMenuOpen) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    ASSERT_TRUE(world.reachBattle());
    ASSERT_TRUE(world.reachPlayersTurn());
    GameField* field = screen.getField();
    ZelkinTeam* team = field->getTeamChecked(0);
    field->setRequest(0, 2);
    world.frame();
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_CREATURES);
    world.press({K::BackSpace});
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_CREATURES);

    // Three members: the cursor skips the empty cells 3 to 5.
    world.press({K::Up});
    EXPECT_EQ(screen.getCursor(), 2);
    world.press({K::Down});
    EXPECT_EQ(screen.getCursor(), 0);
    world.press({K::Right});
    EXPECT_EQ(screen.getCursor(), 0);

    // The active creature and a knocked-out one cannot come in; a standing one can.
    team->getMemberAt(1)->setHp(0);
    world.press({K::Return});
    world.press({K::Num2});
    world.press({K::Num5});
    EXPECT_EQ(field->getOrder(0), nullptr);
    world.press({K::Num3});
    ASSERT_NE(field->getOrder(0), nullptr);
    EXPECT_EQ(field->getOrder(0)->getKind(), GameOrder::KIND_SWITCH);
    EXPECT_EQ(field->getOrder(0)->getSwitchTarget(), 2);
    EXPECT_EQ(screen.getMenu(), Scene_Battle::MENU_COMMAND);
}

// A participant's order reaches the field only when the field can carry it out.
TEST(BattleOrders, ParticipantOrdersAreCheckedAgainstTheField) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    // Braisier (three moves) leads.
    ASSERT_TRUE(world.reachBattle({K::Num5, K::Num1, K::Num2}));
    ASSERT_TRUE(world.reachPlayersTurn());
    ZelkinTeam* team = screen.getField()->getTeamChecked(0);
    Zelkin* active = team->getActive();
    ASSERT_EQ(active->getName(), "Braisier");
    auto accepts = [&](int request, int kind, int value) {
        GameOrder order;
        if (kind == GameOrder::KIND_MOVE) order.setMove(value);
        if (kind == GameOrder::KIND_SWITCH) order.setSwitch(value);
        return screen.isOrderAcceptable(0, request, &order);
    };
    EXPECT_TRUE(accepts(1, GameOrder::KIND_MOVE, 0));
    EXPECT_FALSE(accepts(2, GameOrder::KIND_MOVE, 0));
    EXPECT_FALSE(accepts(1, GameOrder::KIND_MOVE, 3));
    active->spendPp(0, active->getPp(0));
    EXPECT_FALSE(accepts(1, GameOrder::KIND_MOVE, 0));
    EXPECT_FALSE(accepts(1, GameOrder::KIND_GIVE_UP, 0));

    // The fallback move only when nothing else can be used.
    EXPECT_FALSE(accepts(1, GameOrder::KIND_MOVE, 4));
    for (int i = 0; i < 4; ++i)
        team->setMemberMark(i, 0);
    EXPECT_TRUE(accepts(1, GameOrder::KIND_MOVE, 4));

    EXPECT_FALSE(accepts(1, GameOrder::KIND_SWITCH, 0));
    EXPECT_TRUE(accepts(2, GameOrder::KIND_SWITCH, 1));
    EXPECT_FALSE(accepts(1, GameOrder::KIND_SWITCH, 3));
    team->getMemberAt(1)->setHp(0);
    EXPECT_FALSE(accepts(1, GameOrder::KIND_SWITCH, 1));
    active->setHp(0);
    EXPECT_FALSE(accepts(1, GameOrder::KIND_MOVE, 1));
}

// The player gives up and confirms with Enter the moment the battle is decided: the computer side still
// records its win before the results screen closes the field, and wins through it.
TEST(BattleOrders, ForfeitEndsTheBattleForTheOtherSide) {
    BattleScreenWorld world;
    TestBattleScreen& screen = world.start();
    ASSERT_TRUE(world.reachBattle({K::Num1, K::Num2, K::Num3}, false));
    ASSERT_TRUE(world.reachPlayersTurn());
    world.press({K::Num3});
    world.press({K::Num2});
    ASSERT_TRUE(world.runUntil(
        [&] { return screen.getField()->getState() == GameField::STATE_DECIDED || screen.hasResults(); },
        5000));
    ASSERT_FALSE(screen.hasResults());
    world.frame({K::Return});
    ASSERT_TRUE(screen.hasResults());
    EXPECT_EQ(screen.getField()->getResult(), Scene_Battle::RESULT_SIDE1_WON);
    EXPECT_EQ(world.opponent->getTrainerStats()->getStreak(), 1);
    ASSERT_TRUE(world.runUntil(
        [&] {
            if (!screen.isAlive()) return true;
            world.press({K::Return});
            return false;
        },
        2000));
    EXPECT_EQ(screen.getResult(), Scene_Battle::RESULT_SIDE1_WON);
}

} // namespace
