// The engine's lookups of a side's active creature: effective stats, creature variables, and copying.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "EngineCoreSupport.hpp"
#include "battle/GameField.hpp"
#include "rules/ZelkinType.hpp"

namespace {
void setStage(ZelkinTeam* team, int stat, int stage) {
    team->modifyStage(stat, stage - team->getStage(stat));
}
} // namespace

TEST(ComputeStat, StagesScaleTheFiveCreatureStats) {
    EngineHarness h;
    ZelkinTeam* team = h.field->getTeam(0);
    const int attack = h.active(0)->getAttack();
    const int defence = h.active(0)->getDefence();
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_ATTACK), static_cast<float>(attack));
    setStage(team, STAT_ATTACK, 2);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_ATTACK), static_cast<float>(attack * 2));
    setStage(team, STAT_ATTACK, -2);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_ATTACK), static_cast<float>((attack + 1) / 2));
    setStage(team, STAT_ATTACK, -6);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_ATTACK), static_cast<float>((attack + 3) / 4));
    setStage(team, STAT_DEFENCE, 1);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_DEFENCE), static_cast<float>(defence * 3 / 2));
    EXPECT_FLOAT_EQ(h.engine->computeStat(1, STAT_SPEED), static_cast<float>(h.active(1)->getSpeed()));
    EXPECT_FLOAT_EQ(h.engine->computeStat(2, STAT_ATTACK), 0.0f);
    EXPECT_FLOAT_EQ(h.engine->computeStat(-1, STAT_ATTACK), 0.0f);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, 8), 0.0f);
}

TEST(ComputeStat, PrecisionEvasionAndCriticalStages) {
    EngineHarness h;
    ZelkinTeam* team = h.field->getTeam(0);
    const std::pair<int, float> precision[] = {
        {0, 100.0f}, {1, 133.0f}, {6, 300.0f}, {-1, 75.0f}, {-6, 34.0f}};
    for (const auto& c : precision) {
        setStage(team, STAT_PRECISION, c.first);
        setStage(team, STAT_EVASION, c.first);
        EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_PRECISION), c.second) << c.first;
        EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_EVASION), c.second) << c.first;
    }
    const std::pair<int, float> critical[] = {{0, 0.0f}, {1, 0.0f}, {2, 0.0f},
                                              {3, 1.0f}, {4, 2.0f}, {-3, 0.0f}};
    for (const auto& c : critical) {
        setStage(team, STAT_CRITICAL, c.first);
        EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_CRITICAL), c.second) << c.first;
    }
    // The critical value of the move being resolved adds to the stage.
    setStage(team, STAT_CRITICAL, 1);
    ZelkinMove* move = h.world.move("Charge");
    move->setCritical(2);
    h.engine->getVariables()->setMove(move);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_CRITICAL), 1.0f);
}

TEST(ComputeStat, PowerSwitchesDecideWhetherRaisedOrLoweredStagesCount) {
    EngineHarness h;
    ZelkinTeam* team = h.field->getTeam(0);
    PowerSwitchesHandler* switches = team->getPowerSwitchesForChange();
    setStage(team, STAT_PRECISION, 1);
    switches->set(1, false, 1);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_PRECISION), 100.0f);
    setStage(team, STAT_PRECISION, -1);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_PRECISION), 75.0f);
    switches->resetAll();
    switches->set(2, false, 1);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_PRECISION), 100.0f);
    setStage(team, STAT_PRECISION, 1);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_PRECISION), 133.0f);
}

TEST(ComputeStat, CheckEventScalesTheStatThroughResult) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Force");
    h.addTrigger(definition, "CHECK_STAT_PRE", "SOURCE", "<SetVariable name=\"var:result\" value=\"1.5\"/>");
    h.addTrigger(definition, "CHECK_STAT_EVA", "TARGET", "<SetVariable name=\"var:result\" value=\"0\"/>");
    ASSERT_NE(h.give(0, definition), nullptr);
    setStage(h.field->getTeam(0), STAT_PRECISION, 1);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_PRECISION), 199.0f); // floor(1.5 x 133)
    // Side 0 answers as the target when side 1 reads its evasion, not when side 0 reads its own.
    EXPECT_FLOAT_EQ(h.engine->computeStat(1, STAT_EVASION), 0.0f);
    EXPECT_FLOAT_EQ(h.engine->computeStat(0, STAT_EVASION), 100.0f);
    // Reading the stat through a script runs the same triggers.
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "pre"), 199.0f);
}

TEST(ComputeStat, HugeStagesAndScriptValuesSaturateInsteadOfWrapping) {
    EngineHarness h;
    // The critical stage has no ceiling; the move's own critical value on top passes the int range.
    h.field->getTeam(0)->modifyStage(STAT_CRITICAL, INT_MAX);
    EXPECT_GE(h.engine->computeStat(0, STAT_CRITICAL), 100.0f);
    h.engine->getVariables()->setMove(h.world.move("Charge"));
    EXPECT_GE(h.engine->computeStat(0, STAT_CRITICAL), 100.0f);
    // A speed check answering 1e12 makes the fastest creature, not the slowest.
    ZelkinBuffData* definition = h.define("Hate");
    h.addTrigger(definition, "CHECK_STAT_SPEED", "SOURCE",
                 "<SetVariable name=\"var:result\" value=\"1000000000000\"/>");
    ASSERT_NE(h.give(0, definition), nullptr);
    EXPECT_EQ(h.engine->moveSpeed(0), INT_MAX);
}

TEST(CreatureVariables, NumbersOfTheActiveCreatureAndItsTeam) {
    EngineHarness h;
    Zelkin* flamby = h.active(0);
    flamby->setHp(1);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "hp"), 1.0f);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "max_hp"), static_cast<float>(flamby->getMaxHp()));
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "percent_hp"),
                    static_cast<float>(100 / flamby->getMaxHp()));
    flamby->setHp(flamby->getMaxHp() / 3);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "percent_hp"),
                    static_cast<float>((flamby->getMaxHp() / 3) * 100 / flamby->getMaxHp()));
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "level"), 50.0f);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "n_creature"), 3.0f);
    h.field->getTeam(0)->getMemberAt(1)->setHp(0);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "n_creature"), 2.0f);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "last_move_spot"), -1.0f);
    h.field->getTeam(0)->setTurnCounter(4);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "move_turn"), 4.0f);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(1, "speed"), static_cast<float>(h.active(1)->getSpeed()));
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(0, "HP"), 0.0f);
    EXPECT_FLOAT_EQ(h.engine->getCreatureVariable(5, "hp"), 0.0f);
}

TEST(CreatureVariables, TextsOfTheActiveCreatureAndItsTeam) {
    EngineHarness h;
    using List = std::vector<std::string>;
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "name"), List{"Flamby"});
    h.active(0)->setName("Flambichou");
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "name"), List{"Flambichou"});
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "crea_truename"), List{"Flamby"});
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "ability"), List{"Carapace"});
    List types = h.engine->getCreatureTextVariable(0, "type");
    ASSERT_FALSE(types.empty());
    EXPECT_EQ(types[0], h.field->getTeam(0)->getTypeAt(0)->getName());
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "tag"), h.active(0)->getSpecies()->getTags());

    ZelkinBuff* kept = h.give(0, h.define("Garde1"));
    ZelkinBuff* killed = h.give(0, h.define("Garde2"));
    ASSERT_NE(kept, nullptr);
    ASSERT_NE(killed, nullptr);
    killed->kill();
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "buff_list"), List{"Garde1"});
    EXPECT_EQ(h.engine->getCreatureTextVariable(0, "list_buffs"), List{"Garde1"});
    h.field->getTeam(0)->setAbilityBuff(nullptr);
    EXPECT_TRUE(h.engine->getCreatureTextVariable(0, "ability").empty());
    EXPECT_TRUE(h.engine->getCreatureTextVariable(0, "other").empty());
    EXPECT_TRUE(h.engine->getCreatureTextVariable(3, "name").empty());
}

TEST(CreatureVariables, OnlyHpIsWritableAndItShowsOnTheHpBar) {
    EngineHarness h;
    h.engine->setCreatureVariable(1, "hp", 12.8f);
    EXPECT_EQ(h.active(1)->getHp(), 12);
    EXPECT_EQ(h.field->getTimer(1), 45);
    h.engine->setCreatureVariable(1, "hp", -4.0f);
    EXPECT_EQ(h.active(1)->getHp(), 0);
    h.engine->setCreatureVariable(0, "max_hp", 1.0f);
    EXPECT_EQ(h.active(0)->getHp(), h.active(0)->getMaxHp());
    EXPECT_EQ(h.field->getTimer(0), 0);
    h.engine->setCreatureVariable(4, "hp", 1.0f); // no such side: nothing happens
}

TEST(CreatureVariables, SidesWithoutACreatureReadZeroAndEmpty) {
    BattleFixture world;
    GameField* field = world.makeField(3, 0, "Arene Test", {"Flamby"}, {});
    GameBattleEngine engine(field, nullptr, nullptr);
    EXPECT_FLOAT_EQ(engine.computeStat(1, STAT_ATTACK), 0.0f);
    EXPECT_FLOAT_EQ(engine.getCreatureVariable(1, "hp"), 0.0f);
    EXPECT_FLOAT_EQ(engine.getCreatureVariable(1, "n_creature"), 0.0f);
    EXPECT_TRUE(engine.getCreatureTextVariable(1, "name").empty());
    engine.setCreatureVariable(1, "hp", 5.0f);
    // No options: the dispatch reads every effect setting as off and still runs.
    EXPECT_GT(engine.computeStat(0, STAT_SPEED), 0.0f);
}

TEST(GameBattleEngine, SetActorsWritesBothSidesCreaturesAndTeams) {
    EngineHarness h;
    h.engine->setActors(1);
    VariableTable* table = h.engine->getVariables();
    EXPECT_FLOAT_EQ(table->getVariable("camp_source"), 1.0f);
    EXPECT_FLOAT_EQ(table->getVariable("camp_target"), 0.0f);
    EXPECT_EQ(table->getSourceCreature(), h.active(1));
    EXPECT_EQ(table->getTargetCreature(), h.active(0));
    EXPECT_EQ(table->getSourceTeam(), h.field->getTeam(1));
    EXPECT_EQ(table->getTargetTeam(), h.field->getTeam(0));
    EXPECT_EQ(h.engine->opponentSide(0), 1);
    EXPECT_EQ(h.engine->opponentSide(1), 0);
    EXPECT_EQ(h.engine->opponentSide(-4), 0);
}

TEST(GameBattleEngine, CloneWorksOnItsOwnCopyOfTheBattle) {
    EngineHarness h;
    ZelkinBuffData* weather = h.define("Pluie fine");
    ASSERT_TRUE(h.field->addGlobalBuff(new ZelkinBuff(weather, 2)));
    h.set("val_1", 6.0f);
    h.engine->appendLog("pending\n");
    const int hp = h.active(1)->getHp();

    GameBattleEngine* copy = h.engine->clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isSimulation());
    EXPECT_FALSE(h.engine->isSimulation());
    EXPECT_NE(copy->getField(), h.field);
    // Nobody sees the copy's comments and messages: it composes none (and the commentator draws nothing).
    EXPECT_FALSE(copy->getField()->isComposingText());
    EXPECT_TRUE(h.field->isComposingText());
    EXPECT_EQ(copy->getOptions(), &h.options);
    EXPECT_FLOAT_EQ(copy->getVariables()->getVariable("val_1"), 0.0f);
    EXPECT_EQ(copy->getLogText(), "");
    EXPECT_EQ(copy->getField()->getGlobalBuffCount(), 1);

    copy->setCreatureVariable(1, "hp", 1.0f);
    EXPECT_EQ(copy->getField()->getTeam(1)->getActive()->getHp(), 1);
    EXPECT_EQ(h.active(1)->getHp(), hp);
    copy->getField()->getTeam(0)->modifyStage(STAT_ATTACK, 2);
    EXPECT_EQ(h.field->getTeam(0)->getStage(STAT_ATTACK), 0);
    delete copy;
    // The original still works after its copy is gone.
    EXPECT_EQ(h.engine->getCreatureTextVariable(1, "name"), std::vector<std::string>{"Rocaille"});
}
