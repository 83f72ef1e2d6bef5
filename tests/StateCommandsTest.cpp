// The battle-state effect commands on a tiny battle: each refuses what it must before changing anything,
// and changes exactly what it names when it runs.
#include <gtest/gtest.h>

#include "EngineCoreSupport.hpp"
#include "battle/ActionSocket.hpp"
#include "battle/BattlePresentation.hpp"
#include "battle/GameField.hpp"
#include "rules/BattleEvents.hpp"

namespace {

// Runs one command for side 0 against side 1 (Flamby against Rocaille); true when it reached its tail,
// which the command shows by writing its text "ok" last.
bool run(EngineHarness& h, const std::string& xml, int source = 0, int target = 1) {
    h.engine->clearLog();
    h.engine->runCommand(source, target, h.tree(xml));
    const std::string log = h.engine->getLogText();
    return log.size() >= 3 && log.compare(log.size() - 3, 3, "ok\n") == 0;
}

std::string cmd(const std::string& element, const std::string& attributes) {
    return "<" + element + " " + attributes + ">ok</" + element + ">";
}

// A screen stand-in: figures remember their last animation and layer; animations report their kind.
struct FakeScreen : BattlePresentation {
    struct Figure : BattleFigure {
        void setLayer(int value) override { layer = value; }
        void setShown(bool value) override { shown = value; }
        void setShadow() override {}
        void setSize(int) override {}
        void setPersonality(int) override {}
        void playAnimation(int kind) override { played = kind; }
        int layer = 0;
        bool shown = true;
        int played = -1;
    };
    struct Anim : BattleAnimation {
        Anim(FakeScreen* screen, int kind, BattleFigure* figure) : screen(screen) {
            screen->kinds.push_back(kind);
            screen->figures.push_back(figure);
        }
        void setSources(ZelkinMove*, Zelkin*, VariableTable* table) override { variables = table; }
        void setCreature(Zelkin*) override {}
        void setBuffData(ZelkinBuffData* definition) override { screen->buffData.push_back(definition); }
        // Like the screen's hit animations, the hit record is read on the first step only.
        void step() override {
            if (variables) screen->damages.push_back(variables->getDamage());
            variables = nullptr;
        }
        bool isAlive() override { return true; }
        FakeScreen* screen;
        VariableTable* variables = nullptr;
    };
    FakeScreen() { installBattlePresentation(this); }
    ~FakeScreen() override { installBattlePresentation(nullptr); }
    BattleFigure* newFigure(ZelkinZelkinary*, int, int, int, int) override { return new Figure(); }
    BattleAnimation* newAnimation(int kind, int, BattleFigure* figure) override {
        return new Anim(this, kind, figure);
    }
    std::vector<BattleSupporter*>* collectSupporters(int, int, Stadium*, TrainerList*,
                                                     WindowServices*) override {
        return nullptr;
    }
    void showFigure(BattleFigure*) override {}
    void hideFigure(BattleFigure*) override {}

    std::vector<int> kinds;
    std::vector<BattleFigure*> figures;
    std::vector<ZelkinBuffData*> buffData;
    std::vector<int> damages;
};

} // namespace

TEST(StateCommandsTest, CommandsShowThemselvesAndWriteOnlyOutsideSimulation) {
    FakeScreen screen;
    EngineHarness h;
    auto* figure0 = new FakeScreen::Figure();
    auto* figure1 = new FakeScreen::Figure();
    h.field->setSideFigure(0, figure0);
    h.field->setSideFigure(1, figure1);

    ASSERT_TRUE(run(h, cmd("AddBuff", "name=\"Soleil\" target=\"target\"")));
    ASSERT_TRUE(run(h, cmd("AddGlobal", "name=\"Pluie\"")));
    EXPECT_EQ(screen.kinds, (std::vector<int>{0, 6}));
    EXPECT_EQ(screen.figures, (std::vector<BattleFigure*>{figure1, nullptr}));
    EXPECT_EQ(screen.buffData, (std::vector<ZelkinBuffData*>{h.world.buff("Soleil"), h.world.buff("Pluie")}));

    ASSERT_TRUE(run(h, cmd("Damage", "value=\"5\" target=\"target\"")));
    EXPECT_EQ(figure1->played, 5);
    h.active(1)->setHp(5);
    ASSERT_TRUE(run(h, cmd("Damage", "value=\"5\" target=\"target\"")));
    EXPECT_EQ(figure1->played, 7); // knocked out by the blow

    ASSERT_TRUE(run(h, cmd("PrepareChange", "")));
    EXPECT_FALSE(figure0->shown);
    EXPECT_EQ(screen.kinds.back(), 3);

    // A look-ahead copy plays the commands out but shows nothing and writes no text: the command's "ok" is
    // only noted as something said.
    h.engine->setSimulation(true);
    const size_t shown = screen.kinds.size();
    h.active(0)->setHp(50);
    run(h, cmd("AddBuff", "name=\"Brume\""));
    EXPECT_NE(h.field->getTeam(0)->findBuffByName("Brume"), nullptr);
    run(h, cmd("Damage", "value=\"5\""));
    EXPECT_EQ(h.active(0)->getHp(), 45);
    EXPECT_EQ(h.engine->getLogText(), "");
    EXPECT_TRUE(h.engine->hasLog());
    EXPECT_EQ(screen.kinds.size(), shown);
    EXPECT_EQ(figure0->played, -1);
}

TEST(StateCommandsTest, AddBuffRewardsItsAuthorByDurationAndKind) {
    EngineHarness h;
    Zelkin* author = h.active(0);
    struct Case {
        const char* attributes;
        int points;
    };
    const Case cases[] = {
        {"name=\"Soleil\" duration=\"3\"", 15},
        {"name=\"Soleil\" duration=\"10\"", 30},
        {"name=\"Soleil\"", 30},
        {"name=\"Garde\"", 60}, // a team buff counts twice
    };
    for (const Case& c : cases) {
        const int before = author->getMvpPoints();
        ASSERT_TRUE(run(h, cmd("AddBuff", std::string(c.attributes) + " target=\"target\""))) << c.attributes;
        EXPECT_EQ(author->getMvpPoints() - before, c.points) << c.attributes;
        h.field->getTeam(1)->removeBuffByName("Soleil");
    }
    EXPECT_EQ(author->getBattleStat(5), 4); // positive buffs landed
    EXPECT_EQ(h.field->getTimer(5), 55);
    EXPECT_EQ(h.field->getTeam(1)->findBuffByName("Soleil"), nullptr);
    ASSERT_NE(h.field->getTeam(1)->findBuffByName("Garde"), nullptr);
    // A second buff of the same name is refused.
    EXPECT_FALSE(run(h, cmd("AddBuff", "name=\"Garde\" target=\"target\"")));
    EXPECT_FALSE(run(h, cmd("AddBuff", "name=\"Inconnu\"")));
}

TEST(StateCommandsTest, AddBuffChecksCanRefuseTheBuff) {
    EngineHarness h;
    // The check sees the buff being added; a Cancel stops it and its sub-commands.
    ZelkinBuffData* shield = h.define("Bouclier");
    h.addTrigger(shield, "CHECK_BEFORE_ADD_BUFF", "SOURCE",
                 "<SetVariable name=\"var:val_1\" value=\"var:newbuff:duration\"/><Cancel/>");
    ASSERT_NE(h.give(1, shield), nullptr);
    EXPECT_FALSE(run(h, cmd("AddBuff", "name=\"Soleil\" duration=\"3\" target=\"target\"")));
    EXPECT_EQ(h.var("val_1"), 3.0f);
    EXPECT_EQ(h.engine->getVariables()->getNewBuff(), nullptr);
    EXPECT_EQ(h.field->getTeam(1)->findBuffByName("Soleil"), nullptr);
    EXPECT_EQ(h.active(0)->getMvpPoints(), 0);

    // A buff that kills itself while it is being added never lands.
    h.addTrigger(h.world.buff("Brume"), "BEFORE_ADD", "",
                 "<SetVariable name=\"var:self:alive\" value=\"0\"/>");
    EXPECT_FALSE(run(h, cmd("AddBuff", "name=\"Brume\"")));
    EXPECT_EQ(h.field->getTeam(0)->findBuffByName("Brume"), nullptr);
}

TEST(StateCommandsTest, AddStatutTakesAFreeStatusOnly) {
    EngineHarness h;
    ASSERT_TRUE(run(h, cmd("AddStatut", "name=\"Brulure\" duration=\"2\" target=\"target\"")));
    EXPECT_EQ(h.active(1)->getStatus()->getDefinition()->getName(), "Brulure");
    EXPECT_EQ(h.active(0)->getMvpPoints(), 10);
    EXPECT_EQ(h.active(0)->getBattleStat(6), 1); // a negative buff landed
    EXPECT_EQ(h.field->getTimer(1), 45);

    EXPECT_FALSE(run(h, cmd("AddStatut", "name=\"Poison\" target=\"target\"")));
    EXPECT_EQ(h.active(1)->getStatus()->getDefinition()->getName(), "Brulure");

    // A refusal by the check leaves "result" back at 1.
    ZelkinBuffData* immune = h.define("Immunite");
    h.addTrigger(immune, "CHECK_BEFORE_ADD_STATUT", "SOURCE", "<Cancel/>");
    ASSERT_NE(h.give(0, immune), nullptr);
    EXPECT_FALSE(run(h, cmd("AddStatut", "name=\"Poison\"")));
    EXPECT_EQ(h.active(0)->getStatus(), nullptr);
    EXPECT_EQ(h.var("result"), 1.0f);

    EXPECT_TRUE(run(h, cmd("RemoveStatut", "target=\"target\"")));
    EXPECT_EQ(h.active(1)->getStatus(), nullptr);
    EXPECT_EQ(h.field->getTimer(1), 55);
    EXPECT_FALSE(run(h, cmd("RemoveStatut", "target=\"target\"")));
}

TEST(StateCommandsTest, GlobalBuffsAreAddedBySpotAndRemovedByNameOrTag) {
    EngineHarness h;
    ASSERT_TRUE(run(h, cmd("AddGlobal", "name=\"Pluie\" duration=\"4\"")));
    EXPECT_EQ(h.active(0)->getMvpPoints(), 40);
    EXPECT_EQ(h.field->getTimer(6), 45);
    ASSERT_TRUE(run(h, cmd("AddGlobal", "name=\"Soleil\" duration=\"9\"")));
    EXPECT_EQ(h.active(0)->getMvpPoints(), 40 + 50);
    ASSERT_EQ(h.field->getGlobalBuffCount(), 1); // Soleil took Pluie's spot
    EXPECT_FALSE(run(h, cmd("AddGlobal", "name=\"Soleil\"")));
    ASSERT_TRUE(run(h, cmd("AddGlobal", "name=\"Brume\"")));

    EXPECT_FALSE(run(h, cmd("RemoveGlobal", "name=\"Pluie\"")));
    EXPECT_FALSE(run(h, cmd("RemoveGlobal", "")));
    EXPECT_TRUE(run(h, cmd("RemoveGlobal", "tag=\"climat\"")));
    EXPECT_EQ(h.field->getGlobalBuffCount(), 0);

    ASSERT_TRUE(run(h, cmd("AddBuff", "name=\"Brume\"")));
    ASSERT_TRUE(run(h, cmd("AddBuff", "name=\"Pluie\"")));
    EXPECT_TRUE(run(h, cmd("RemoveBuff", "name=\"Pluie\"")));
    EXPECT_FALSE(run(h, cmd("RemoveBuff", "name=\"Pluie\"")));
    EXPECT_TRUE(run(h, cmd("RemoveBuff", "tag=\"climat\"")));
    EXPECT_EQ(h.field->getTeam(0)->getBuffCount(), 0);
}

TEST(StateCommandsTest, ModifyStatChangesOneStageAfterTheDamageCheck) {
    EngineHarness h;
    ZelkinTeam* rival = h.field->getTeam(1);
    EXPECT_TRUE(run(h, cmd("ModifyStat", "name=\"pre\" value=\"-1\" target=\"target\"")));
    EXPECT_EQ(rival->getStage(7), -1);
    EXPECT_EQ(h.field->getTimer(5), 55);
    EXPECT_TRUE(run(h, cmd("ModifyStat", "name=\"vit\" value=\"2\" target=\"target\"")));
    EXPECT_EQ(rival->getStage(4), 2);
    EXPECT_FALSE(run(h, cmd("ModifyStat", "name=\"speed\" value=\"1\" target=\"target\"")));
    EXPECT_TRUE(run(h, cmd("ModifyStat", "name=\"att\" value=\"-12\" target=\"target\"")));
    EXPECT_EQ(rival->getStage(0), -6);
    EXPECT_FALSE(run(h, cmd("ModifyStat", "name=\"att\" value=\"-1\" target=\"target\""))); // no change left

    // Whatever the damage check does to "result" applies to the stage; a Cancel stops it.
    ZelkinBuffData* ward = h.define("Garde Stat");
    h.addTrigger(
        ward, "CHECK_BEFORE_DMG", "SOURCE",
        "<StringCompare name=\"var:stat_aff\" value=\"def\" comparator=\"equal\"><Cancel/></StringCompare>"
        "<MultiplyVariable name=\"var:result\" value=\"2\"/><AdditionVariable name=\"var:val_1\" "
        "value=\"1\"/>");
    ASSERT_NE(h.give(1, ward), nullptr);
    EXPECT_TRUE(run(h, cmd("ModifyStat", "name=\"spe_att\" value=\"1\" target=\"target\"")));
    EXPECT_EQ(rival->getStage(2), 2);
    EXPECT_FALSE(run(h, cmd("ModifyStat", "name=\"def\" value=\"1\" target=\"target\"")));
    EXPECT_EQ(rival->getStage(1), 0);
    EXPECT_EQ(h.var("val_1"), 1.0f);
    // A word that names no stage still goes through the check first, and only then is refused.
    EXPECT_FALSE(run(h, cmd("ModifyStat", "name=\"speed\" value=\"1\" target=\"target\"")));
    EXPECT_EQ(h.var("val_1"), 2.0f);
    EXPECT_EQ(h.var("result"), 2.0f);
    EXPECT_EQ(h.engine->getVariables()->getAffectedStat(), "speed");

    // A creature that is down is refused before any trigger runs.
    h.active(1)->setHp(0);
    EXPECT_FALSE(run(h, cmd("ModifyStat", "name=\"spe_att\" value=\"1\" target=\"target\"")));
    EXPECT_EQ(h.var("val_1"), 2.0f);
}

TEST(StateCommandsTest, DamageAndHealReportWhatActuallyChanged) {
    EngineHarness h;
    Zelkin* rival = h.active(1);
    rival->setHp(30);
    EXPECT_TRUE(run(h, cmd("Damage", "value=\"50\" target=\"target\"")));
    EXPECT_EQ(h.var("return_value"), 30.0f);
    EXPECT_EQ(rival->getHp(), 0);
    EXPECT_EQ(h.field->getTimer(1), 45);
    EXPECT_FALSE(run(h, cmd("Damage", "value=\"5\" target=\"target\"")));
    EXPECT_FALSE(run(h, cmd("Heal", "value=\"5\" target=\"target\"")));
    EXPECT_EQ(rival->getHp(), 0);

    Zelkin* own = h.active(0);
    own->setHp(100);
    EXPECT_TRUE(run(h, cmd("Heal", "value=\"30\"")));
    EXPECT_EQ(h.var("return_value"), 30.0f);
    EXPECT_EQ(own->getHp(), 130);
    EXPECT_FALSE(run(h, cmd("Damage", "value=\"0\"")));
    EXPECT_FALSE(run(h, cmd("Damage", "value=\"abc\"")));
    EXPECT_FALSE(run(h, cmd("Heal", "value=\"-4\"")));
    own->setHp(own->getMaxHp());
    EXPECT_FALSE(run(h, cmd("Heal", "value=\"10\""))); // nothing to heal

    // A damage check that turns the amount negative must not heal the target instead.
    ZelkinBuffData* mirror = h.define("Miroir");
    h.addTrigger(mirror, "CHECK_BEFORE_DMG", "SOURCE", "<SetVariable name=\"var:result\" value=\"-20\"/>");
    ASSERT_NE(h.give(0, mirror), nullptr);
    own->setHp(50);
    EXPECT_FALSE(run(h, cmd("Damage", "value=\"10\"")));
    EXPECT_EQ(own->getHp(), 50);
}

TEST(StateCommandsTest, TypeChecksLetTheCheckEventDecide) {
    EngineHarness h;
    // Side 1's listener copies what the checks computed before deciding.
    ZelkinBuffData* probe = h.define("Sonde");
    h.addTrigger(probe, "CHECK_EFFECTIVENESS", "SOURCE",
                 "<SetVariable name=\"var:val_1\" value=\"var:return_value\"/>");
    h.addTrigger(probe, "CHECK_IMMUNITY", "SOURCE",
                 "<SetVariable name=\"var:val_2\" value=\"var:return_value\"/>");
    ASSERT_NE(h.give(1, probe), nullptr);

    // Rocaille is Neutre, which Spectre cannot touch: no multiplier, but immune.
    EXPECT_TRUE(run(h, cmd("EffectivenessCheck", "value=\"Spectre\" target=\"target\"")));
    EXPECT_EQ(h.var("val_1"), 1.0f);
    EXPECT_EQ(h.var("return_value"), 1.0f); // the move's effectiveness, as the check left "result"
    EXPECT_TRUE(run(h, cmd("ImmunityCheck", "value=\"Spectre\" target=\"target\"")));
    EXPECT_EQ(h.var("val_2"), 1.0f);
    EXPECT_EQ(h.engine->getVariables()->getOffensiveTypes(), std::vector<std::string>{"Spectre"});
    EXPECT_EQ(h.engine->getVariables()->getDefensiveTypes(), std::vector<std::string>{"Neutre"});
    EXPECT_FALSE(run(h, cmd("EffectivenessCheck", "value=\"Inconnu\" target=\"target\"")));

    // Flamby is Pyro: Hydro doubles, Hydro and Flore together cancel out, Pyro halves.
    h.set("val_1", 0.0f);
    h.set("val_2", 0.0f);
    ZelkinBuffData* probe0 = h.define("Sonde0");
    h.addTrigger(probe0, "CHECK_EFFECTIVENESS", "SOURCE",
                 "<SetVariable name=\"var:val_3\" value=\"var:return_value\"/>");
    h.addTrigger(probe0, "CHECK_IMMUNITY", "SOURCE",
                 "<SetVariable name=\"var:val_4\" value=\"var:return_value\"/>");
    ASSERT_NE(h.give(0, probe0), nullptr);
    EXPECT_TRUE(run(h, cmd("EffectivenessCheck", "value=\"Hydro\"")));
    EXPECT_EQ(h.var("val_3"), 2.0f);
    EXPECT_TRUE(run(h, cmd("EffectivenessCheck", "value=\"Hydro,Flore\"")));
    EXPECT_EQ(h.var("val_3"), 1.0f);
    h.set("val_4", 5.0f);
    EXPECT_TRUE(run(h, cmd("ImmunityCheck", "value=\"Pyro\"")));
    EXPECT_EQ(h.var("val_4"), 0.0f);
}

TEST(StateCommandsTest, TypesAndAbilityAreReplaceable) {
    EngineHarness h;
    ZelkinTeam* team = h.field->getTeam(0);
    EXPECT_TRUE(run(h, cmd("ChangeType", "value=\"\"")));
    EXPECT_EQ(team->getTypeCount(), 0);
    EXPECT_TRUE(run(h, cmd("ChangeType", "value=\"Hydro,Inconnu\"")));
    ASSERT_EQ(team->getTypeCount(), 1);
    EXPECT_EQ(team->getTypeAt(0)->getName(), "Hydro");
    EXPECT_FALSE(run(h, cmd("AddType", "value=\"Inconnu\"")));
    EXPECT_TRUE(run(h, cmd("AddType", "value=\"Flore\"")));
    EXPECT_TRUE(run(h, cmd("RemoveType", "value=\"Hydro\"")));
    EXPECT_FALSE(run(h, cmd("RemoveType", "value=\"Hydro\"")));
    EXPECT_EQ(team->getTypeCount(), 1);

    EXPECT_FALSE(run(h, cmd("ChangeAbility", "value=\"Inconnu\"")));
    EXPECT_EQ(team->getAbilityBuff()->getDefinition()->getName(), "Carapace");
    EXPECT_TRUE(run(h, cmd("ChangeAbility", "value=\"Regeneration\"")));
    EXPECT_EQ(team->getAbilityBuff()->getDefinition()->getName(), "Regeneration");
    EXPECT_TRUE(run(h, cmd("ChangeAbility", "")));
    EXPECT_EQ(team->getAbilityBuff(), nullptr);

    // An ability that replaces itself from its own trigger can still read itself afterwards.
    h.options.toggleAbilitiesEffects();
    ZelkinBuffData* shed = h.define("Mue");
    h.addTrigger(
        shed, "BUFF_VALUE", "SOURCE",
        "<ChangeAbility value=\"Regeneration\"/><SetVariable name=\"var:val_1\" value=\"var:self:value\"/>");
    team->setAbilityBuff(new ZelkinBuff(shed, 7));
    h.engine->fireTrigger(EVENT_BUFF_VALUE, 0, 1);
    EXPECT_EQ(h.var("val_1"), 7.0f);
    EXPECT_EQ(team->getAbilityBuff()->getDefinition()->getName(), "Regeneration");
}

TEST(StateCommandsTest, LockMoveNeedsAMoveAndAFreeLock) {
    EngineHarness h;
    ZelkinTeam* rival = h.field->getTeam(1);
    EXPECT_FALSE(run(h, cmd("LockMove", "value=\"3\" target=\"target\"")));
    h.engine->getVariables()->setMove(h.world.move("Charge"));
    EXPECT_TRUE(run(h, cmd("LockMove", "value=\"3\" target=\"target\"")));
    EXPECT_EQ(rival->getTimedEffectValue(), h.world.move("Charge"));
    EXPECT_EQ(rival->getTimedEffectTurns(), 3);
    EXPECT_FALSE(run(h, cmd("LockMove", "value=\"3\" target=\"target\"")));
    EXPECT_TRUE(run(h, cmd("LockMove", "")));
    EXPECT_EQ(h.field->getTeam(0)->getTimedEffectTurns(), 1);
}

TEST(StateCommandsTest, ForceChangeSendsInAnotherStandingMember) {
    EngineHarness h;
    ZelkinTeam* rival = h.field->getTeam(1);
    rival->getMemberAt(1)->setHp(0);
    rival->getMemberAt(2)->setHp(0);
    rival->modifyStage(0, 2);
    EXPECT_FALSE(run(h, cmd("ForceChange", "target=\"target\"")));
    EXPECT_EQ(rival->getStage(0), 2);
    EXPECT_FALSE(rival->isActionBlocked());

    rival->getMemberAt(2)->setHp(10);
    h.field->getOrderQueue().push_back(new ActionSocket(ActionSocket::MOVE_ORDER, 1, 0));
    h.field->getOrderQueue().push_back(new ActionSocket(ActionSocket::MOVE_ORDER, 0, 0));
    {
        // The active member (0) and a fallen one (1) are drawn again; a source that keeps answering 0
        // still ends with the one member that fits.
        ScriptedRandom random({0, 1, 0});
        ASSERT_TRUE(run(h, cmd("ForceChange", "target=\"target\"")));
    }
    GameField::ActionQueue& actions = h.field->getActionList();
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions.front()->getType(), ActionSocket::SEND_OUT);
    EXPECT_EQ(actions.front()->getArgument(), 2);
    EXPECT_EQ(actions.back()->getType(), ActionSocket::AFTER_SWITCH);
    EXPECT_EQ(actions.back()->getArgument(), 2);
    EXPECT_TRUE(rival->isActionBlocked());
    EXPECT_EQ(rival->getStage(0), 0);
    EXPECT_EQ(h.field->getTimer(3), 50);
    ASSERT_EQ(h.field->getOrderQueue().size(), 1u);
    EXPECT_EQ(h.field->getOrderQueue().front()->getSource(), 0);
    // Blocked now, the side cannot be switched again.
    EXPECT_FALSE(run(h, cmd("PrepareChange", "target=\"target\"")));
}

TEST(StateCommandsTest, PrepareChangeWithdrawsAndAsksForAReplacement) {
    EngineHarness h;
    ASSERT_TRUE(run(h, cmd("PrepareChange", "target=\"target\"")));
    EXPECT_EQ(h.field->getRequest(1), 2);
    EXPECT_TRUE(h.field->getTeam(1)->isActionBlocked());
    EXPECT_EQ(h.field->getTeam(1)->getLockedMoveIndex(), -1);
    EXPECT_TRUE(h.field->getActionList().empty());
}

TEST(StateCommandsTest, AddEventDefersAndDieKillsTheRunningBuff) {
    EngineHarness h;
    run(h, "<SubEffect><AddEvent><SetVariable name=\"var:val_1\" value=\"1\"/></AddEvent>"
           "<SetVariable name=\"var:val_2\" value=\"1\"/></SubEffect>");
    EXPECT_EQ(h.var("val_1"), 0.0f);
    EXPECT_EQ(h.var("val_2"), 1.0f);
    ASSERT_EQ(h.field->getActionList().size(), 1u);
    ActionSocket* deferred = h.field->getActionList().front();
    EXPECT_EQ(deferred->getType(), ActionSocket::DEFERRED_EFFECT);
    h.engine->runCommand(0, 1, deferred->getCommands());
    EXPECT_EQ(h.var("val_1"), 1.0f);

    EXPECT_FALSE(run(h, cmd("Die", ""))); // no trigger is running

    // The running buff dies, not the one whose trigger its Damage set off just before.
    ZelkinBuffData* fading = h.define("Ephemere");
    h.addTrigger(fading, "BUFF_VALUE", "SOURCE", "<Damage value=\"5\"/><Die/>");
    ZelkinBuffData* watcher = h.define("Veilleur");
    h.addTrigger(watcher, "CHECK_BEFORE_DMG", "SOURCE", "<AdditionVariable name=\"var:val_3\" value=\"1\"/>");
    ZelkinBuff* fadingBuff = h.give(0, fading);
    ZelkinBuff* watcherBuff = h.give(0, watcher);
    ASSERT_TRUE(fadingBuff && watcherBuff);
    h.engine->fireTrigger(EVENT_BUFF_VALUE, 0, 1);
    EXPECT_EQ(h.var("val_3"), 1.0f);
    EXPECT_FALSE(fadingBuff->isAlive());
    EXPECT_TRUE(watcherBuff->isAlive());
}

TEST(StateCommandsTest, DropActualMoveForgetsTheMoveAndItsQueuedSteps) {
    EngineHarness h;
    h.engine->setActors(0);
    h.engine->getVariables()->setMove(h.world.move("Charge"));
    h.field->pushBackAction(new ActionSocket(ActionSocket::DMG_CALC, 0, 0));
    h.field->pushBackAction(new ActionSocket(ActionSocket::MOVE_EFFECTS, 0, 0));
    h.field->pushBackAction(new ActionSocket(ActionSocket::END_TURN, 0, 0));
    EXPECT_TRUE(run(h, cmd("DropActualMove", "")));
    EXPECT_EQ(h.engine->getVariables()->getMove(), nullptr);
    EXPECT_EQ(h.var("camp_source"), -1.0f);
    ASSERT_EQ(h.field->getActionList().size(), 1u);
    EXPECT_EQ(h.field->getActionList().front()->getType(), ActionSocket::END_TURN);
}

TEST(StateCommandsTest, QuickMoveUsesAMoveAtOnce) {
    EngineHarness h;
    h.world.parser->loadMoves(fixturePath("commands/moves.xml"));

    h.engine->getVariables()->setMove(h.world.move("Charge"));
    EXPECT_FALSE(run(h, cmd("QuickMove", "name=\"Rafale\" target=\"target\"")));
    h.engine->getVariables()->setMove(nullptr);
    EXPECT_FALSE(run(h, cmd("QuickMove", "name=\"Inconnu\" target=\"target\"")));

    // "Rafale" hits 2 to 5 times and never 4: the draw r gives 2 (0, 1), 3 (2, 3) or 5 (4, 5).
    const int expected[6] = {2, 2, 3, 3, 5, 5};
    for (int r = 0; r < 6; ++r) {
        ScriptedRandom random({r});
        ASSERT_TRUE(run(h, cmd("QuickMove", "name=\"Rafale\" target=\"target\""))) << r;
        EXPECT_EQ(h.var("hit_num"), static_cast<float>(expected[r])) << r;
        // The verdict comes after the last hit actually drawn.
        EXPECT_NE(h.engine->getLogText().find("Hit " + std::to_string(expected[r]) + " times !"),
                  std::string::npos);
        EXPECT_EQ(h.engine->getVariables()->getMove(), nullptr); // reset once used
    }
    EXPECT_LT(h.active(1)->getHp(), h.active(1)->getMaxHp());

    // A Spectre move on a Neutre creature: immune, reported and not dealt.
    const int hp = h.active(1)->getHp();
    run(h, "<QuickMove name=\"Ombre\" target=\"target\"/>");
    EXPECT_EQ(h.engine->getLogText(), "It doesn't affect Flamby\n");
    EXPECT_EQ(h.active(1)->getHp(), hp);

    // A status move runs its effects on the subject.
    ASSERT_TRUE(run(h, cmd("QuickMove", "name=\"Grondement\" target=\"target\"")));
    EXPECT_EQ(h.field->getTeam(1)->getStage(0), -1);

    // Knocking the subject out queues its knock-out with cause 1.
    h.active(1)->setHp(1);
    {
        ScriptedRandom random({0});
        ASSERT_TRUE(run(h, cmd("QuickMove", "name=\"Rafale\" target=\"target\"")));
    }
    ASSERT_FALSE(h.field->getActionList().empty());
    ActionSocket* knockOut = h.field->getActionList().front();
    EXPECT_EQ(knockOut->getType(), ActionSocket::KNOCK_OUT);
    EXPECT_EQ(knockOut->getSource(), 1);
    EXPECT_EQ(knockOut->getArgument(), 1);
}

TEST(StateCommandsTest, TwoQuickMovesInOneTriggerLeaveEachHitRecordReadableUntilItsAnimationStepped) {
    FakeScreen screen;
    EngineHarness h;
    h.field->setSideFigure(1, new FakeScreen::Figure());
    // The second QuickMove replaces the table the first one's hit animation was handed.
    h.engine->runCommand(0, 1,
                         h.tree("<trigger><QuickMove name=\"Charge\" target=\"target\"/>"
                                "<QuickMove name=\"Charge\" target=\"target\"/></trigger>"));
    ASSERT_EQ(screen.kinds, (std::vector<int>{1, 1}));
    h.engine->updateAnimations();
    ASSERT_EQ(screen.damages.size(), 2u);
    EXPECT_GT(screen.damages[0], 0);
    EXPECT_GT(screen.damages[1], 0);
}
