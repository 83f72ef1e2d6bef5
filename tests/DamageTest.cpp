// Move use and damage: the damage formula, hit application with its classes and counters, the move's
// preparation and the countdown of buffs.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <array>
#include <memory>

#include "BattleFixture.hpp"
#include "battle/ActionSocket.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/VariableTable.hpp"
#include "rules/Game_Options.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

namespace {

// A field that remembers the commentator requests, so the hit classes can be read back.
class RecordingField : public GameField {
public:
    using GameField::GameField;
    const std::string& makeCommentWithHype(int condition, int special, int value1, int value2,
                                           int hype) override {
        remarks.push_back({condition, special, value1, value2});
        return GameField::makeCommentWithHype(condition, special, value1, value2, hype);
    }
    std::vector<std::array<int, 4>> remarks;
};

// Side 0: Flamby (Pyro, 143 HP at level 50) then Aquilon; side 1: Rocaille (Neutre, 173 HP) then Braisier.
struct Bench {
    Bench() {
        auto* informations = new BattleInformations(world.stadium(), BattleInformations::MODE_SECRET, 0);
        field = new RecordingField(world.parser, informations, nullptr);
        world.fillTeam(field->getTeam(0), {"Flamby", "Aquilon"});
        world.fillTeam(field->getTeam(1), {"Rocaille", "Braisier"});
        field->getTeam(0)->setActiveMember(0);
        field->getTeam(1)->setActiveMember(0);
        engine = new GameBattleEngine(field, nullptr, &options);
    }
    ~Bench() { delete engine; }

    void aim(int attacker, int defender) {
        set("camp_source", static_cast<float>(attacker));
        set("camp_target", static_cast<float>(defender));
    }
    float var(const std::string& name) { return engine->getVariables()->getVariable(name); }
    void set(const std::string& name, float value) { engine->getVariables()->setVariable(name, value); }
    Zelkin* active(int side) { return field->getTeam(side)->getActive(); }
    // One hit as the engine deals it: counted first (as computeDamage does), then applied.
    void hit(int damage) {
        set("hit_num", var("hit_num") + 1.0f);
        engine->getVariables()->setDamage(damage);
        engine->applyDamage();
    }
    // A buff on a side whose one trigger runs the body.
    void listen(int side, const std::string& when, const std::string& body) {
        definitions.emplace_back(new ZelkinBuffData("Ecoute" + std::to_string(definitions.size())));
        tinyxml2::XMLDocument document;
        document.Parse(("<trigger>" + body + "</trigger>").c_str());
        definitions.back()->addTrigger(when, "SOURCE",
                                       world.parser->parseEffect(document.FirstChildElement()), 0);
        ASSERT_TRUE(field->getTeam(side)->addBuff(new ZelkinBuff(definitions.back().get(), 0)));
    }

    std::vector<std::unique_ptr<ZelkinBuffData>> definitions;
    BattleFixture world;
    Game_Options options;
    RecordingField* field = nullptr;
    GameBattleEngine* engine = nullptr;
};

} // namespace

TEST(DamageTest, ComputeDamageFollowsLevelStatsSameTypeSpreadAndCritical) {
    Bench b;
    b.aim(0, 1);
    b.set("power_move", 80);
    b.set("stat_att", 100);
    b.set("stat_def", 100);
    auto damage = [&b](std::vector<int> draws) {
        ScriptedRandom random(draws);
        b.engine->computeDamage();
        return b.engine->getVariables()->getDamage();
    };
    // Level 50: factor 22, base 1760, x = 37.2; the spread takes 0 to 15 hundredths off.
    EXPECT_EQ(damage({99, 0}), 37);
    EXPECT_EQ(damage({99, 15}), 31);
    EXPECT_EQ(b.var("hit_num"), 2.0f);
    EXPECT_EQ(b.var("critical_hit"), 0.0f);
    b.set("mult_dmg", 2.0f);
    EXPECT_EQ(damage({99, 0}), 72); // 2 × 1760 / 50 + 2 = 72.4
    b.set("mult_dmg", 1.0f);

    // A move of the attacker's own type (Flamby is Pyro) gets the 1.5 bonus: x = 54.8.
    b.engine->getVariables()->setMove(b.world.move("Flammeche"));
    EXPECT_EQ(damage({99, 0}), 54);
    b.engine->getVariables()->setMove(nullptr);

    // The critical ratio is a chance in percent against the first draw.
    b.set("critical_ratio", 100.0f);
    EXPECT_EQ(damage({99, 15}), 46); // 31 × 1.5
    EXPECT_EQ(b.var("critical_hit"), 1.0f);
    b.set("critical_ratio", 0.0f);
    EXPECT_EQ(damage({0, 15}), 31);
    EXPECT_EQ(b.var("critical_hit"), 0.0f);

    // A defence brought to 0 divides nothing: only the flat 2 is left.
    b.set("stat_def", 0.0f);
    EXPECT_EQ(damage({99, 0}), 2);
}

TEST(DamageTest, MissedMoveCountsTheHitButDealsNothing) {
    Bench b;
    b.aim(0, 1);
    b.set("move_hit", 0.0f);
    b.engine->getVariables()->setDamage(12);
    {
        ScriptedRandom random({0, 0});
        b.engine->computeDamage();
    }
    EXPECT_EQ(b.var("hit_num"), 1.0f);
    EXPECT_EQ(b.var("damage"), 12.0f);
    b.hit(50);
    EXPECT_EQ(b.active(1)->getHp(), b.active(1)->getMaxHp());
    EXPECT_EQ(b.var("total_damage"), 0.0f);
}

TEST(DamageTest, KnockOutHitIsCappedAndCreditsTheAttacker) {
    Bench b;
    b.aim(0, 1);
    Zelkin* target = b.active(1);
    Zelkin* user = b.active(0);
    ASSERT_EQ(target->getMaxHp(), 173);
    target->setHp(40);
    b.hit(300);

    EXPECT_EQ(target->getHp(), 0);
    EXPECT_EQ(b.var("damage"), 40.0f);
    EXPECT_EQ(b.var("total_damage"), 40.0f);
    EXPECT_EQ(b.var("percent_damage"), 23.0f);                    // 4000 / 173
    EXPECT_EQ(b.engine->getVariables()->getRawPercent(), 173.0f); // 30000 / 173, before the cap
    EXPECT_EQ(user->getMvpPoints(), 41);                          // permille 231: 231 / 20 + 30
    EXPECT_EQ(user->getBattleStat(1), 231);
    EXPECT_EQ(user->getBattleStat(0), 231);
    EXPECT_EQ(target->getBattleStat(3), 231);
    EXPECT_EQ(target->getMvpPoints(), 0);
    ASSERT_EQ(b.field->remarks.size(), 1u);
    EXPECT_EQ(b.field->remarks[0], (std::array<int, 4>{4, 0, 3, 0})); // HP-loss class 3
    EXPECT_EQ(b.field->getSupport(0), 25 + 23);
}

TEST(DamageTest, LightHitGivesEnduranceAndSupportPoints) {
    Bench b;
    b.aim(0, 1);
    b.active(1)->setHp(163);
    b.hit(10); // raw 5 %, permille 57
    EXPECT_EQ(b.active(1)->getMvpPoints(), 57 / 30 + 6);
    EXPECT_EQ(b.active(0)->getMvpPoints(), 1);
    EXPECT_EQ(b.field->remarks.back(), (std::array<int, 4>{4, 0, 1, 0}));
}

TEST(DamageTest, EffectivenessAndHpLossClasses) {
    struct Case {
        float effectiveness;
        int hpBefore;
        int damage;
        int effectClass;
        int lossClass;
    };
    const Case cases[] = {
        {0.0f, 173, 30, 3, 0},  // 17 %: neither light nor heavy
        {0.5f, 173, 90, 2, 2},  // 52 %
        {0.5f, 20, 20, 0, 0},   // resisted but knocked out: no "not very effective" remark
        {2.0f, 173, 170, 1, 3}, // 98 %
        {2.0f, 173, 10, 1, 1},
    };
    for (const Case& c : cases) {
        Bench b;
        b.aim(0, 1);
        b.set("effectiveness", c.effectiveness);
        b.active(1)->setHp(c.hpBefore);
        b.hit(c.damage);
        ASSERT_EQ(b.field->remarks.size(), 1u);
        EXPECT_EQ(b.field->remarks[0][1], c.effectClass) << c.effectiveness << " " << c.damage;
        EXPECT_EQ(b.field->remarks[0][2], c.lossClass) << c.effectiveness << " " << c.damage;
    }
}

TEST(DamageTest, OwnSideHitAndCriticalHitMoveTheCrowd) {
    {
        Bench b;
        b.aim(0, 0); // Flamby hits itself: 10 of 143 HP is 6 %
        b.hit(10);
        EXPECT_EQ(b.field->remarks.back()[1], 6);
        EXPECT_EQ(b.field->getSupport(0), 25 - 3);
    }
    {
        Bench b;
        b.aim(0, 1);
        b.set("critical_hit", 1.0f);
        b.hit(20); // 11 %
        EXPECT_EQ(b.field->remarks.back(), (std::array<int, 4>{4, 0, 1, 1}));
        EXPECT_EQ(b.field->getSupport(0), 25 + 22);
        EXPECT_NE(b.engine->getLogText().find("A critical hit !\n"), std::string::npos);
    }
}

TEST(DamageTest, MultiHitShowsTheVerdictOnlyAfterTheLastHit) {
    Bench b;
    b.aim(0, 1);
    b.set("number_hits", 2.0f);
    b.set("effectiveness", 2.0f);
    b.hit(10);
    EXPECT_TRUE(b.field->remarks.empty());
    EXPECT_EQ(b.engine->getLogText(), "");
    EXPECT_EQ(b.field->tickMessageTimer(), 30); // set to 31 for the hit in between
    b.hit(10);
    EXPECT_EQ(b.engine->getLogText(), "It's super effective !\nHit 2 times !\n");
    EXPECT_EQ(b.field->remarks.size(), 1u);
    EXPECT_EQ(b.var("total_damage"), 20.0f);
    EXPECT_EQ(b.var("total_percent_damage"), 10.0f); // 5 % per hit
}

TEST(DamageTest, DamageCheckChangesWhatIsDealtNotThePercent) {
    Bench b;
    b.aim(0, 1);
    b.listen(1, "CHECK_BEFORE_DMG", "<DivideVariable name=\"var:result\" value=\"2\"/>");
    b.hit(40);
    EXPECT_EQ(b.active(1)->getHp(), 173 - 20);
    EXPECT_EQ(b.var("damage"), 20.0f);
    EXPECT_EQ(b.var("percent_damage"), 23.0f);
    EXPECT_EQ(b.engine->getVariables()->getReason(), "ATTACK");
}

TEST(DamageTest, ADamageCheckLeavingANegativeAmountDealsNothing) {
    Bench b;
    b.aim(0, 1);
    b.active(1)->setHp(143);
    b.listen(1, "CHECK_BEFORE_DMG", "<SetVariable name=\"var:result\" value=\"-20\"/>");
    b.hit(40);
    EXPECT_EQ(b.active(1)->getHp(), 143);
    EXPECT_EQ(b.var("damage"), 0.0f);
    EXPECT_EQ(b.var("total_damage"), 0.0f);
}

TEST(DamageTest, GatherDamageStatsReadsStagesTypesAndChecks) {
    Bench b;
    b.aim(0, 1);
    b.engine->getVariables()->setMove(b.world.move("Flammeche")); // special, Pyro, precision 100
    b.field->getTeam(0)->modifyStage(7, 1);
    b.listen(1, "CHECK_EFFECTIVENESS", "<MultiplyVariable name=\"var:result\" value=\"3\"/>");
    b.engine->gatherDamageStats();
    EXPECT_EQ(b.var("stat_att"), static_cast<float>(b.active(0)->getSpecialAttack()));
    EXPECT_EQ(b.var("stat_def"), static_cast<float>(b.active(1)->getSpecialDefence()));
    EXPECT_EQ(b.var("precision"), 133.0f);
    EXPECT_EQ(b.var("critical_ratio"), 0.0f); // the move's critical 1 gives stage 1: 0.125, floored
    EXPECT_EQ(b.engine->getVariables()->getOffensiveTypes(), std::vector<std::string>{"Pyro"});
    EXPECT_EQ(b.engine->getVariables()->getDefensiveTypes(), std::vector<std::string>{"Neutre"});
    EXPECT_EQ(b.var("effectiveness"), 3.0f); // the defender's check decides it

    b.field->getTeam(0)->modifyStage(7, -1);
    b.field->getTeam(1)->modifyStage(6, 1);
    b.set("precision", 100.0f);
    b.engine->gatherDamageStats();
    EXPECT_EQ(b.var("precision"), 75.0f); // 100 × 100 / 133

    // An evasion brought to 0 by a script gives a 0 chance instead of a division by zero.
    b.listen(1, "CHECK_STAT_EVA", "<SetVariable name=\"var:result\" value=\"0\"/>");
    b.set("precision", 100.0f);
    b.engine->gatherDamageStats();
    EXPECT_EQ(b.var("precision"), 0.0f);
}

TEST(DamageTest, TheMovesPrecisionIsTakenBeforeTheEvasionCheckRuns) {
    Bench b;
    b.aim(0, 1);
    b.engine->getVariables()->setMove(b.world.move("Flammeche"));
    // A script of the evasion check that rewrites the move's precision comes too late for this move.
    b.listen(1, "CHECK_STAT_EVA", "<SetVariable name=\"var:precision\" value=\"10\"/>");
    b.engine->gatherDamageStats();
    EXPECT_EQ(b.var("precision"), 100.0f);
}

TEST(DamageTest, PrepareMovePicksTimedThenOrderedThenDefaultMove) {
    Bench b;
    auto prepare = [&b](ZelkinMove* ordered, int slot) {
        b.field->pushBackAction(new ActionSocket(ActionSocket::BEFORE_MOVE, 0, 0));
        b.field->popAction();
        b.field->getOrderQueue().push_back(new ActionSocket(ordered, 0, slot));
        b.field->popOrder();
        b.engine->prepareMove();
        return b.engine->getVariables()->getMove();
    };
    EXPECT_EQ(prepare(b.world.move("Charge"), 2), b.world.move("Charge"));
    EXPECT_EQ(b.var("move_spot"), 2.0f);
    EXPECT_EQ(b.var("power_move"), 40.0f);
    EXPECT_EQ(b.var("camp_source"), 0.0f);
    EXPECT_EQ(b.var("camp_target"), 1.0f);
    EXPECT_EQ(b.engine->getVariables()->getTargetCreature(), b.active(1));

    b.field->getTeam(0)->setTimedEffect(b.world.move("Pistolet"), 2);
    EXPECT_EQ(prepare(b.world.move("Charge"), 0), b.world.move("Pistolet"));
    EXPECT_EQ(b.field->getTeam(0)->getTimedEffectTurns(), 1);
    b.field->getTeam(0)->setTimedEffect(nullptr, 0);

    // No move at all and no "Lutte" in the database: the table is left reset.
    EXPECT_EQ(prepare(nullptr, 0), nullptr);
    EXPECT_EQ(b.var("camp_source"), -1.0f);

    b.world.parser->loadMoves(fixturePath("commands/moves.xml"));
    EXPECT_EQ(prepare(nullptr, 0)->getName(), "Lutte");
    // A Spectre move against a Neutre target: immune, the multiplier itself untouched.
    EXPECT_EQ(prepare(b.world.move("Ombre"), 1)->getName(), "Ombre");
    EXPECT_EQ(b.var("immunity"), 1.0f);
    EXPECT_EQ(b.var("effectiveness"), 1.0f);
}

TEST(DamageTest, ResetInformationsClearsTheMoveButKeepsTheCounters) {
    Bench b;
    b.aim(0, 1);
    b.engine->setActors(0);
    b.engine->getVariables()->setMove(b.world.move("Charge"));
    b.set("immunity", 1.0f);
    b.set("effectiveness", 2.0f);
    b.set("total_damage", 30.0f);
    b.engine->resetInformations();
    EXPECT_EQ(b.engine->getVariables()->getMove(), nullptr);
    EXPECT_EQ(b.engine->getVariables()->getSourceTeam(), nullptr);
    EXPECT_EQ(b.var("camp_target"), -1.0f);
    EXPECT_EQ(b.var("precision"), 0.0f);
    EXPECT_EQ(b.var("immunity"), 0.0f);
    EXPECT_EQ(b.var("effectiveness"), 1.0f);
    EXPECT_EQ(b.var("total_damage"), 30.0f);
}

TEST(DamageTest, BuffCountdownsRemoveExpiredAndKilledBuffs) {
    Bench b;
    ZelkinTeam* team = b.field->getTeam(0);
    auto give = [&](const std::string& name, int duration) {
        b.definitions.emplace_back(new ZelkinBuffData(name));
        ZelkinBuff* buff = new ZelkinBuff(b.definitions.back().get(), 0);
        buff->setDuration(duration);
        EXPECT_TRUE(team->addBuff(buff));
        return buff;
    };
    give("Un", 1);
    ZelkinBuff* untimed = give("Zero", 0);
    ZelkinBuff* two = give("Deux", 2);
    give("Tue", 0)->kill();
    const size_t discardedBefore = discardedBuffs().size();

    EXPECT_EQ(b.engine->tickCreatureBuffs(0), "");
    ASSERT_EQ(team->getBuffCount(), 2);
    EXPECT_EQ(team->findBuffByName("Zero"), untimed);
    EXPECT_EQ(untimed->getDuration(), 0);
    EXPECT_EQ(team->findBuffByName("Deux"), two);
    EXPECT_EQ(two->getDuration(), 1);
    // Taken off buffs are handed to the discarded list, not leaked nor freed under a running trigger.
    EXPECT_EQ(discardedBuffs().size(), discardedBefore + 2);

    ASSERT_TRUE(b.field->addGlobalBuff(b.world.makeBuff("Pluie", 1)));
    ASSERT_TRUE(b.field->addGlobalBuff(b.world.makeBuff("Brume", 0)));
    b.engine->tickFieldBuffs();
    ASSERT_EQ(b.field->getGlobalBuffCount(), 1);
    EXPECT_EQ(b.field->getGlobalBuff(0)->getDefinition()->getName(), "Brume");
}
