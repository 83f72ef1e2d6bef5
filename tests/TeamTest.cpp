// A side of a battle: stat stages, effective stats, HP bar, buffs, types, switches, description, copies.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.hpp"
#include "rules/PowerSwitch.hpp"
#include "rules/PowerSwitchesHandler.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {

// Base 72 at level 50 gives 100 in every stat but HP (which is 155).
std::unique_ptr<ZelkinZelkinary> makeSpecies(int base = 72) {
    std::unique_ptr<ZelkinZelkinary> species(new ZelkinZelkinary("Testmon", 25));
    species->setBaseStats(base, base, base, base, base, base);
    return species;
}

std::unique_ptr<ZelkinBuffData> makeDefinition(const std::string& name, bool team = false, int nature = 1,
                                               const std::string& spot = "") {
    std::unique_ptr<ZelkinBuffData> definition(new ZelkinBuffData(name));
    definition->teamBuff = team;
    definition->nature = nature;
    definition->spot = spot;
    return definition;
}

std::vector<std::string> buffNames(const ZelkinTeam& team) {
    std::vector<std::string> names;
    for (int i = 0; i < team.getBuffCount(); ++i)
        names.push_back(team.getBuffAt(i)->getDefinition()->getName());
    return names;
}

std::vector<std::string> descriptionTexts(const ZelkinTeam& team) {
    std::vector<std::string> texts;
    for (const ZelkinBuffBattleDesc& line : team.getBattleDescription()) {
        texts.push_back(line.getText() + "|" + std::to_string(line.getColor()));
    }
    return texts;
}

// Buffs taken off a side wait on this thread's discarded list; each test empties it when done.
struct DiscardedGuard {
    DiscardedGuard() { clearDiscardedBuffs(); }
    ~DiscardedGuard() { clearDiscardedBuffs(); }
};

} // namespace

TEST(TeamStages, ClampAtSixExceptCriticalWhereFiveFallsToThree) {
    ZelkinTeam team("Red", nullptr);
    EXPECT_EQ(team.modifyStage(0, 6), 6);
    EXPECT_EQ(team.modifyStage(0, 1), 0);
    EXPECT_EQ(team.getStage(0), 6);
    EXPECT_EQ(team.modifyStage(1, -6), -6);
    EXPECT_EQ(team.modifyStage(1, -2), 0);
    EXPECT_EQ(team.getStage(1), -6);
    EXPECT_EQ(team.modifyStage(4, 10), 6);

    EXPECT_EQ(team.modifyStage(5, 3), 3);
    EXPECT_EQ(team.modifyStage(5, 2), 0); // 3 + 2 = 5 is stored as 3
    EXPECT_EQ(team.getStage(5), 3);
    EXPECT_EQ(team.modifyStage(5, 1), 1);
    EXPECT_EQ(team.modifyStage(5, 1), -1); // 4 + 1
    EXPECT_EQ(team.getStage(5), 3);
    EXPECT_EQ(team.modifyStage(5, -3), -3);
    EXPECT_EQ(team.modifyStage(5, 7), 7); // no clamp on the critical stage
    EXPECT_EQ(team.modifyStage(5, -9), -9);
    EXPECT_EQ(team.getStage(5), -2);

    team.modifyStage(7, -3);
    EXPECT_EQ(team.getStage7(), -3);
    // Indexes named by scripts outside the eight stages read 0 and change nothing.
    EXPECT_EQ(team.modifyStage(8, 2), 0);
    EXPECT_EQ(team.modifyStage(-1, 2), 0);
    EXPECT_EQ(team.getStage(8), 0);
    EXPECT_EQ(team.getStage(-1), 0);
    // A huge critical change saturates instead of wrapping around.
    EXPECT_EQ(team.modifyStage(5, INT_MAX), INT_MAX);
    EXPECT_EQ(team.modifyStage(5, 10), 2);
    EXPECT_EQ(team.getStage(5), INT_MAX);
}

TEST(TeamStats, StagesMultiplyTheActiveCreaturesStats) {
    auto species = makeSpecies();
    ZelkinTeam team("Red", nullptr);
    team.addMember(new Zelkin(species.get(), 50));
    ASSERT_EQ(team.getActive()->getAttack(), 100);

    const int expected[][2] = {{1, 150}, {2, 200}, {6, 400}, {-1, 67},
                               {-2, 50}, {-3, 40}, {-6, 25}, {0, 100}};
    for (const auto& row : expected) {
        team.modifyStage(0, row[0] - team.getStage(0));
        EXPECT_EQ(team.getAttack(), row[1]) << "stage " << row[0];
    }
    team.modifyStage(1, 1);
    team.modifyStage(2, -1);
    team.modifyStage(3, 2);
    team.modifyStage(4, -2);
    EXPECT_EQ(team.getDefence(), 150);
    EXPECT_EQ(team.getSpecialAttack(), 67);
    EXPECT_EQ(team.getSpecialDefence(), 200);
    EXPECT_EQ(team.getSpeed(), 50);

    // One-sided reads keep only the stages that go the asked way.
    team.modifyStage(0, -2);
    EXPECT_EQ(team.getAttackOneSided(true), 100);
    EXPECT_EQ(team.getAttackOneSided(false), 50);
    EXPECT_EQ(team.getDefenceOneSided(true), 150);
    EXPECT_EQ(team.getDefenceOneSided(false), 100);
    EXPECT_EQ(team.getSpecialAttackOneSided(false), 67);
    EXPECT_EQ(team.getSpecialDefenceOneSided(false), 100);
}

TEST(TeamMembers, ATeamWithoutMembersAnswersZeroOrFalse) {
    DiscardedGuard guard;
    ZelkinTeam team("Red", nullptr);
    EXPECT_EQ(team.getActive(), nullptr);
    EXPECT_EQ(team.getActiveIndex(), 0);
    EXPECT_EQ(team.getMemberAt(0), nullptr);
    EXPECT_EQ(team.countAlive(), 0);
    EXPECT_EQ(team.getAttack(), 0);
    EXPECT_EQ(team.getSpeed(), 0);
    EXPECT_EQ(team.getAttackOneSided(true), 0);
    EXPECT_EQ(team.getHpBarLength(), 0);
    EXPECT_EQ(team.getTeamBattleValue(), 0);
    EXPECT_FALSE(team.canActiveAct());
    team.animateHpBar();
    EXPECT_EQ(team.getDisplayedHp(), 0);
    team.setActiveMember(0);
    EXPECT_EQ(team.getActive(), nullptr);

    auto definition = makeDefinition("Shield");
    ZelkinBuff buff(definition.get(), 1);
    EXPECT_FALSE(team.addBuff(&buff));
    EXPECT_EQ(team.getBuffCount(), 0);
    team.lockMove(nullptr);
    EXPECT_EQ(team.getLockedMoveIndex(), -1);
    EXPECT_EQ(team.getOwner(), nullptr);
    EXPECT_EQ(team.getOwnerName(), "");
    EXPECT_EQ(team.getOwnerStreak(), 0);
}

TEST(TeamMembers, ASeventhCreatureIsNotKeptAndTheBarFollowsTheActiveOne) {
    auto species = makeSpecies();
    ZelkinTeam team("Blue", nullptr);
    team.addMember(nullptr);
    EXPECT_EQ(team.getMemberCount(), 0);
    for (int i = 0; i < 6; ++i)
        team.addMember(new Zelkin(species.get(), 10 + i));
    Zelkin* first = team.getMemberAt(0);
    EXPECT_EQ(team.getActive(), first);
    first->damage(5);
    team.addMember(new Zelkin(species.get(), 90)); // deleted by the team: the sanitizer sees no leak
    EXPECT_EQ(team.getMemberCount(), 6);
    EXPECT_EQ(team.getMemberAt(6), nullptr);
    EXPECT_EQ(team.getMemberAt(-1), nullptr);
    EXPECT_EQ(team.getDisplayedHp(), first->getHp());

    team.getMemberAt(2)->damage(100000);
    EXPECT_EQ(team.countAlive(), 5);
    team.setActiveMember(3);
    EXPECT_EQ(team.getActiveIndex(), 3);
    EXPECT_EQ(team.getActive(), team.getMemberAt(3));
    team.setActiveMember(6); // no such member: nothing changes
    EXPECT_EQ(team.getActiveIndex(), 3);

    EXPECT_EQ(team.getMemberMark(5), 1);
    team.setMemberMark(5, 0);
    team.setMemberMark(6, 0);
    team.setMemberMark(-1, 0);
    EXPECT_EQ(team.getMemberMark(5), 0);
    EXPECT_EQ(team.getMemberMark(6), 0);
    EXPECT_EQ(team.getMemberMark(-1), 0);
    team.resetMemberMarks();
    EXPECT_EQ(team.getMemberMark(5), 1);
}

TEST(TeamMembers, SwitchInResetsTheTurnStateAndCopiesAbilityAndTypes) {
    ZelkinType fire("Feu");
    ZelkinType water("Eau");
    auto ability = makeDefinition("Garde");
    auto species = makeSpecies();
    species->addType(&fire);
    species->addType(&water);
    species->addAbility(ability.get());
    ZelkinTeam team("Red", nullptr);
    team.addMember(new Zelkin(species.get(), 50));
    team.addMember(new Zelkin(species.get(), 40));
    ZelkinMove move("Charge", &fire, "physique", 10, nullptr);
    team.setActionBlocked(1);
    team.setTurnCounter(4);
    team.setTimedEffect(&move, 3);
    team.modifyStage(0, 2);

    team.setActiveMember(1);
    EXPECT_FALSE(team.isActionBlocked());
    EXPECT_EQ(team.getTurnCounter(), 0);
    EXPECT_EQ(team.getTimedEffectValue(), nullptr);
    EXPECT_EQ(team.getDisplayedHp(), team.getActive()->getHp());
    EXPECT_EQ(team.getStage(0), 2); // stages go only with clearSwitchState
    ASSERT_NE(team.getAbilityBuff(), nullptr);
    EXPECT_NE(team.getAbilityBuff(), team.getActive()->getAbility());
    EXPECT_EQ(team.getAbilityBuff()->getDefinition(), ability.get());
    EXPECT_EQ(team.getTypeAt(0), &fire);
    EXPECT_EQ(team.getTypeAt(1), &water);
    EXPECT_EQ(team.getTypeAt(2), nullptr);
    EXPECT_TRUE(team.canActiveAct());
    team.getActive()->damage(100000);
    EXPECT_FALSE(team.canActiveAct());
}

TEST(TeamMembers, MoveLockAndTimedEffect) {
    ZelkinType fire("Feu");
    auto species = makeSpecies();
    ZelkinMove a("A", &fire, "physique", 10, nullptr);
    ZelkinMove b("B", &fire, "special", 10, nullptr);
    ZelkinMove c("C", &fire, "special", 10, nullptr);
    ZelkinTeam team("Red", nullptr);
    Zelkin* mon = new Zelkin(species.get(), 50);
    mon->addMove(&a, 5);
    mon->addMove(&b, 5);
    team.addMember(mon);
    team.lockMove(&b);
    EXPECT_EQ(team.getLockedMoveIndex(), 1);
    team.lockMove(&c); // not held: unchanged
    EXPECT_EQ(team.getLockedMoveIndex(), 1);

    team.setTimedEffect(&a, 2);
    team.tickTimedEffect();
    EXPECT_EQ(team.getTimedEffectValue(), &a);
    EXPECT_EQ(team.getTimedEffectTurns(), 1);
    team.tickTimedEffect();
    EXPECT_EQ(team.getTimedEffectValue(), nullptr);
    EXPECT_EQ(team.getTimedEffectTurns(), 0);
}

TEST(TeamHpBar, SmallLossesMoveOneHpPerFrameAndLargeOnesTakeTwentyFiveFrames) {
    auto species = makeSpecies(200);
    ZelkinTeam team("Red", nullptr);
    team.addMember(new Zelkin(species.get(), 50));
    Zelkin* mon = team.getActive();
    int full = mon->getHp();
    ASSERT_GT(full, 200);
    EXPECT_EQ(team.getHpBarLength(), 48);

    mon->damage(10);
    for (int frame = 1; frame <= 10; ++frame) {
        team.animateHpBar();
        EXPECT_EQ(team.getDisplayedHp(), full - frame);
    }
    team.animateHpBar();
    EXPECT_EQ(team.getDisplayedHp(), full - 10);

    int start = mon->getHp();
    mon->damage(100);
    int frames = 0;
    while (team.getDisplayedHp() != mon->getHp() && frames < 1000) {
        team.animateHpBar();
        ++frames;
        EXPECT_EQ(team.getDisplayedHp(), start - (frames * 100) / 25);
    }
    EXPECT_EQ(frames, 25);

    mon->setHp(mon->getMaxHp() / 2);
    while (team.getDisplayedHp() != mon->getHp())
        team.animateHpBar();
    EXPECT_EQ(team.getHpBarLength(), 48 + ((mon->getHp() - mon->getMaxHp()) * 48) / mon->getMaxHp());
}

TEST(TeamBuffs, OrderRefusalsAndSpotReplacement) {
    DiscardedGuard guard;
    auto species = makeSpecies();
    auto creatureOld = makeDefinition("Rage");
    auto teamOld = makeDefinition("Mur", true);
    auto creatureNew = makeDefinition("Focus");
    auto teamNew = makeDefinition("Brume", true, 1, "Ciel");
    auto teamSameSpot = makeDefinition("Orage", true, 2, "Ciel");
    ZelkinTeam team("Red", nullptr);
    team.addMember(new Zelkin(species.get(), 50));

    EXPECT_TRUE(team.addBuff(new ZelkinBuff(teamOld.get(), 0)));
    EXPECT_TRUE(team.addBuff(new ZelkinBuff(creatureOld.get(), 0)));
    EXPECT_TRUE(team.addBuff(new ZelkinBuff(teamNew.get(), 0)));
    EXPECT_TRUE(team.addBuff(new ZelkinBuff(creatureNew.get(), 0)));
    EXPECT_EQ(buffNames(team), (std::vector<std::string>{"Focus", "Rage", "Brume", "Mur"}));

    ZelkinBuff duplicate(creatureOld.get(), 9);
    duplicate.setDuration(4);
    EXPECT_FALSE(team.addBuff(&duplicate));
    EXPECT_EQ(team.findBuffByName("Rage")->getValue(), 0);

    // The newest buff of a spot pushes the old one out to the discarded list.
    ZelkinBuff* brume = team.findBuffByName("Brume");
    EXPECT_TRUE(team.addBuff(new ZelkinBuff(teamSameSpot.get(), 0)));
    EXPECT_EQ(team.findBuffByName("Brume"), nullptr);
    ASSERT_EQ(discardedBuffs().size(), 1u);
    EXPECT_EQ(discardedBuffs()[0], brume);
    EXPECT_EQ(buffNames(team), (std::vector<std::string>{"Focus", "Rage", "Orage", "Mur"}));
    EXPECT_FALSE(team.removeBuffBySpot(""));

    // A knocked-out creature takes no buff of its own, but its side still takes team buffs.
    team.getActive()->damage(100000);
    auto lateCreature = makeDefinition("Tardif");
    auto lateTeam = makeDefinition("Rempart", true);
    ZelkinBuff refused(lateCreature.get(), 0);
    EXPECT_FALSE(team.addBuff(&refused));
    EXPECT_TRUE(team.addBuff(new ZelkinBuff(lateTeam.get(), 0)));
    EXPECT_EQ(team.getBuffAt(2)->getDefinition(), lateTeam.get());
    EXPECT_EQ(team.getBuffAt(5), nullptr);
    EXPECT_EQ(team.getBuffAt(-1), nullptr);
}

TEST(TeamBuffs, RemovalsByNameTagAndSwitchGoToTheDiscardedList) {
    DiscardedGuard guard;
    auto species = makeSpecies();
    auto hot = makeDefinition("Brulure");
    hot->tags = {"feu", "chaud"};
    auto warm = makeDefinition("Tiede", true);
    warm->tags = {"chaud"};
    auto cold = makeDefinition("Givre");
    auto wall = makeDefinition("Mur", true);
    ZelkinTeam team("Red", nullptr);
    team.addMember(new Zelkin(species.get(), 50));
    for (ZelkinBuffData* d : {hot.get(), warm.get(), cold.get(), wall.get()})
        team.addBuff(new ZelkinBuff(d, 0));

    EXPECT_FALSE(team.removeBuffsWithTag("Chaud"));
    EXPECT_TRUE(team.removeBuffsWithTag("chaud"));
    EXPECT_EQ(buffNames(team), (std::vector<std::string>{"Givre", "Mur"}));
    EXPECT_EQ(discardedBuffs().size(), 2u);
    EXPECT_FALSE(team.removeBuffByName("Brulure"));
    EXPECT_TRUE(team.removeBuffByName("Mur"));
    EXPECT_EQ(discardedBuffs().size(), 3u);

    // Taken off by position, the buff stays with the caller.
    team.addBuff(new ZelkinBuff(wall.get(), 0));
    ZelkinBuff* kept = team.getBuffAt(1);
    team.removeBuffAt(1);
    team.removeBuffAt(7);
    EXPECT_EQ(team.getBuffCount(), 1);
    delete kept;

    // Leaving the field: stages reset, the creature's own buffs leave (to the discarded list), team buffs
    // stay.
    team.addBuff(new ZelkinBuff(wall.get(), 0));
    team.modifyStage(3, 2);
    team.modifyStage(5, 1);
    ZelkinBuff* givre = team.findBuffByName("Givre");
    team.clearSwitchState();
    EXPECT_EQ(team.getStage(3), 0);
    EXPECT_EQ(team.getStage(5), 0);
    EXPECT_EQ(buffNames(team), (std::vector<std::string>{"Mur"}));
    ASSERT_EQ(discardedBuffs().size(), 4u);
    EXPECT_EQ(discardedBuffs().back(), givre);
}

TEST(TeamTypes, CurrentTypesHaveNoDuplicates) {
    ZelkinType fire("Feu");
    ZelkinType water("Eau");
    ZelkinTeam team("Red", nullptr);
    EXPECT_FALSE(team.clearTypes());
    EXPECT_EQ(team.getFirstType(), nullptr);
    EXPECT_TRUE(team.hasType(nullptr));
    team.addType(&fire);
    team.addType(&fire);
    team.addType(nullptr);
    team.addType(&water);
    EXPECT_EQ(team.getTypeCount(), 2);
    EXPECT_EQ(team.getFirstType(), &fire);
    EXPECT_FALSE(team.removeTypeByName("feu"));
    EXPECT_TRUE(team.removeTypeByName("Feu"));
    EXPECT_EQ(team.getFirstType(), &water);
    EXPECT_EQ(team.getTypeAt(1), nullptr);
    EXPECT_TRUE(team.clearTypes());
    EXPECT_EQ(team.getTypeCount(), 0);
}

TEST(TeamPowerSwitches, HigherPriorityWinsAndEqualPriorityOnlyTurnsOff) {
    PowerSwitch power;
    EXPECT_TRUE(power.isOn());
    EXPECT_TRUE(power.set(false, 0));
    EXPECT_FALSE(power.isOn());
    EXPECT_FALSE(power.set(true, 0));
    EXPECT_TRUE(power.set(true, 1));
    EXPECT_TRUE(power.isOn());
    EXPECT_EQ(power.getPriority(), 1);
    EXPECT_FALSE(power.set(false, 0));
    EXPECT_TRUE(power.isOn());
    power.reset();
    EXPECT_EQ(power.getPriority(), 0);

    ZelkinTeam team("Red", nullptr);
    for (int i = 0; i < PowerSwitchesHandler::COUNT; ++i)
        EXPECT_TRUE(team.getPowerSwitches().isOn(i));
    EXPECT_FALSE(team.getPowerSwitches().isOn(9));
    EXPECT_FALSE(team.getPowerSwitchesForChange()->set(9, false, 5));
    EXPECT_TRUE(team.getPowerSwitchesForChange()->set(4, false, 2));
    PowerSwitchesHandler copy = team.getPowerSwitches();
    copy.resetAll(); // a copy: the side keeps its switch off
    EXPECT_FALSE(team.getPowerSwitches().isOn(4));
    EXPECT_EQ(team.getPowerSwitches().getSwitch(4)->getPriority(), 2);
}

TEST(TeamDescription, HeadingsColoursAndStageLines) {
    DiscardedGuard guard;
    auto species = makeSpecies();
    ZelkinTeam team("Red", nullptr);
    team.addMember(new Zelkin(species.get(), 50));
    team.buildBattleDescription();
    EXPECT_TRUE(team.getBattleDescription().empty());

    auto hidden = makeDefinition("Cache", false, 0);
    auto shield = makeDefinition("Shield", true, 1, "Wall");
    auto veil = makeDefinition("Voile", true, 3);
    team.addBuff(new ZelkinBuff(hidden.get(), 2));
    team.addBuff(new ZelkinBuff(shield.get(), 3));
    team.addBuff(new ZelkinBuff(veil.get(), 0));
    team.buildBattleDescription();
    EXPECT_EQ(descriptionTexts(team),
              (std::vector<std::string>{"TEAM :|15", "Voile|14", "Wall : Shield (3)|9"}));

    // With both kinds present, each kind sits under its own heading.
    auto poison = makeDefinition("Poison", false, 2);
    auto odd = makeDefinition("Etrange", false, 7);
    team.addBuff(new ZelkinBuff(poison.get(), -4));
    team.addBuff(new ZelkinBuff(odd.get(), 1));
    team.modifyStage(0, 2);
    team.modifyStage(4, -1);
    team.modifyStage(5, 1);
    team.buildBattleDescription();
    std::vector<std::string> expected{"ALTS :|15",  "Etrange (1)|15",      "Poison|6",   "TEAM :|15",
                                      "Voile|14",   "Wall : Shield (3)|9", "STATS :|15", "+2 Attack|9",
                                      "-1 Speed|6", "+1 Critical|9"};
    EXPECT_EQ(descriptionTexts(team), expected);
    team.buildBattleDescription();
    EXPECT_EQ(descriptionTexts(team), expected);

    // A lowered critical stage gets no line of its own but still brings the heading.
    ZelkinTeam bare("Blue", nullptr);
    bare.modifyStage(5, -1);
    bare.buildBattleDescription();
    EXPECT_EQ(descriptionTexts(bare), (std::vector<std::string>{"STATS :|15"}));
    bare.modifyStage(6, -2);
    bare.modifyStage(7, 1);
    bare.buildBattleDescription();
    EXPECT_EQ(descriptionTexts(bare),
              (std::vector<std::string>{"STATS :|15", "-2 Evasion|6", "+1 Precision|9"}));
}

TEST(TeamClone, TheCopyMatchesAndStaysIndependent) {
    DiscardedGuard guard;
    ZelkinType fire("Feu");
    ZelkinType water("Eau");
    ZelkinType grass("Plante");
    auto ability = makeDefinition("Garde");
    auto species = makeSpecies();
    species->addType(&fire);
    species->addType(&water);
    species->addAbility(ability.get());
    auto rage = makeDefinition("Rage");
    auto wall = makeDefinition("Mur", true);
    ZelkinMove move("Charge", &fire, "physique", 10, nullptr);

    ZelkinTeam source("Red", nullptr);
    source.addMember(new Zelkin(species.get(), 50));
    source.addMember(new Zelkin(species.get(), 30));
    source.setActiveMember(1);
    source.modifyStage(0, 2);
    source.modifyStage(5, 4);
    source.setLockedMoveIndex(2);
    source.setTurnCounter(3);
    source.getAbilityBuff()->setValue(7);
    source.getAbilityBuff()->setDuration(2);
    source.addBuff(new ZelkinBuff(rage.get(), 1));
    source.addBuff(new ZelkinBuff(wall.get(), 2));
    source.removeTypeByName("Eau");
    source.addType(&grass);
    source.setTimedEffect(&move, 2);
    source.getActive()->damage(10);

    std::unique_ptr<ZelkinTeam> copy(source.clone());
    EXPECT_EQ(copy->getName(), "Red");
    EXPECT_EQ(copy->getMemberCount(), 2);
    EXPECT_EQ(copy->getActiveIndex(), 1);
    EXPECT_NE(copy->getActive(), source.getActive());
    EXPECT_EQ(copy->getActive()->getHp(), source.getActive()->getHp());
    EXPECT_EQ(copy->getDisplayedHp(), copy->getActive()->getHp());
    for (int k = 0; k < ZelkinTeam::STAGE_COUNT; ++k)
        EXPECT_EQ(copy->getStage(k), source.getStage(k));
    EXPECT_EQ(copy->getLockedMoveIndex(), 2);
    EXPECT_EQ(copy->getTurnCounter(), 3);
    ASSERT_NE(copy->getAbilityBuff(), nullptr);
    EXPECT_NE(copy->getAbilityBuff(), source.getAbilityBuff());
    EXPECT_EQ(copy->getAbilityBuff()->getValue(), 7);
    EXPECT_EQ(copy->getAbilityBuff()->getDuration(), 2);
    EXPECT_EQ(buffNames(*copy), buffNames(source));
    EXPECT_NE(copy->getBuffAt(0), source.getBuffAt(0));
    EXPECT_EQ(copy->findBuffByName("Mur")->getValue(), 2);
    EXPECT_EQ(copy->getTypeCount(), 2);
    EXPECT_EQ(copy->getTypeAt(0), &fire);
    EXPECT_EQ(copy->getTypeAt(1), &grass);
    EXPECT_EQ(copy->getTimedEffectValue(), &move);
    EXPECT_EQ(copy->getTimedEffectTurns(), 2);

    copy->modifyStage(0, -4);
    copy->removeBuffByName("Rage");
    copy->getActive()->damage(20);
    copy->clearTypes();
    EXPECT_EQ(source.getStage(0), 2);
    EXPECT_NE(source.findBuffByName("Rage"), nullptr);
    EXPECT_EQ(source.getTypeCount(), 2);
    EXPECT_EQ(source.getActive()->getHp(), copy->getActive()->getHp() + 20);

    // A creature buff that the copy refuses (its creature is down) must not leak.
    source.getActive()->damage(100000);
    std::unique_ptr<ZelkinTeam> downed(source.clone());
    EXPECT_EQ(buffNames(*downed), (std::vector<std::string>{"Mur"}));
}
