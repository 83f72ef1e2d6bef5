// The pre-battle pick list: who owns which creature once a list is destroyed, and its edges.
#include <gtest/gtest.h>

#include "PlayersSupport.hpp"
#include "players/SelectTeam.hpp"

namespace {

TEST(SelectTeamOwnership, DestroyingTheListFreesOnlyTheCreaturesNotPicked) {
    PlayersWorld world;
    SelectTeam* list = new SelectTeam("Rouge", 3);
    for (const std::string& name : PlayersWorld::sixNames())
        list->addMember(world.makeCreature(name));
    list->pick(2);
    list->pick(5);
    Zelkin* second = list->getMember(1);
    Zelkin* fifth = list->getMember(4);
    EXPECT_EQ(list->getPicked(0), second);
    EXPECT_EQ(list->getPicked(1), fifth);
    EXPECT_TRUE(list->isPicked(5));
    EXPECT_FALSE(list->isPicked(1));
    // The sanitizers catch a freed pick (double free below) or a kept member (leak).
    delete list;
    EXPECT_EQ(second->getName(), "Aquilon");
    EXPECT_EQ(fifth->getName(), "Braisier");
    delete second;
    delete fifth;
}

TEST(SelectTeamOwnership, ExtraAndNullMembersAreRefusedAndStayTheCallers) {
    PlayersWorld world;
    SelectTeam list("Bleu", 6);
    list.addMember(nullptr);
    EXPECT_EQ(list.getMemberCount(), 0);
    for (const std::string& name : PlayersWorld::sixNames())
        list.addMember(world.makeCreature(name));
    Zelkin* seventh = world.makeCreature("Flamby");
    list.addMember(seventh);
    EXPECT_EQ(list.getMemberCount(), 6);
    EXPECT_EQ(list.getMember(-1), nullptr);
    EXPECT_EQ(list.getPicked(0), nullptr);
    EXPECT_EQ(list.unpick(), 0);
    delete seventh;
}

TEST(SelectTeamOwnership, AClosedListKeepsItsPicks) {
    PlayersWorld world;
    SelectTeam list("Bleu", 1);
    list.addMember(world.makeCreature("Flamby"));
    list.addMember(world.makeCreature("Aquilon"));
    list.pick(2);
    // The computer side's idle request closes a complete list.
    list.pick(0);
    EXPECT_TRUE(list.isFull());
    EXPECT_EQ(list.unpick(), 1);
    list.pick(1);
    EXPECT_EQ(list.getPickCount(), 1);
    EXPECT_EQ(list.getPicked(0)->getName(), "Aquilon");
    delete list.getPicked(0);
}

} // namespace
