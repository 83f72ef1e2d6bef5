// Trigger dispatch: which sources fire for an event, in which order, and what a handler gives a script.
#include <gtest/gtest.h>

#include "EngineCoreSupport.hpp"
#include "battle/GameField.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"

namespace {
const int EVENT = EVENT_BUFF_VALUE; // no fixture data listens to it

std::string say(const std::string& text) { return "<DisplayMessage>" + text + "</DisplayMessage>"; }

// Every kind of source gets one trigger on EVENT with the given actor text and priority 0.
struct AllSources {
    explicit AllSources(EngineHarness& h) : h(h) {}
    void addRuleset(const std::string& actor, int priority = 0) {
        h.world.parser->getCurrentRuleset()->addTrigger(
            "BUFF_VALUE", actor, h.parse("<trigger>" + say("ruleset") + "</trigger>"), priority);
    }
    void addStadium(const std::string& actor, int priority = 0) {
        h.world.stadium()->addTrigger("BUFF_VALUE", actor,
                                      h.parse("<trigger>" + say("stadium") + "</trigger>"), priority);
    }
    void addGlobal(const std::string& actor, int priority = 0) {
        ZelkinBuffData* definition = h.define("Meteo");
        h.addTrigger(definition, "BUFF_VALUE", actor, say("global"), priority);
        ASSERT_TRUE(h.field->addGlobalBuff(new ZelkinBuff(definition, 0)));
    }
    void addAbility(int side, const std::string& actor, int priority = 0) {
        ZelkinBuffData* definition = h.define("Talent" + std::to_string(side));
        h.addTrigger(definition, "BUFF_VALUE", actor, say("ability " + std::to_string(side)), priority);
        h.field->getTeam(side)->setAbilityBuff(new ZelkinBuff(definition, 0));
    }
    void addBuff(int side, const std::string& actor, int priority = 0) {
        ZelkinBuffData* definition = h.define("Marque" + std::to_string(side));
        h.addTrigger(definition, "BUFF_VALUE", actor, say("buff " + std::to_string(side) + " first"),
                     priority);
        h.addTrigger(definition, "BUFF_VALUE", actor, say("buff " + std::to_string(side) + " second"),
                     priority);
        ASSERT_NE(h.give(side, definition), nullptr);
    }
    void addStatus(int side, const std::string& actor, int priority = 0) {
        ZelkinBuffData* definition = h.define("Etat" + std::to_string(side));
        h.addTrigger(definition, "BUFF_VALUE", actor, say("status " + std::to_string(side)), priority);
        ASSERT_TRUE(h.active(side)->setStatusIfFree(new ZelkinBuff(definition, 0)));
    }
    void addMove(const char* actor, int priority = 0) {
        ZelkinMove* move = h.world.move("Charge");
        move->addTrigger("BUFF_VALUE", actor, h.parse("<trigger>" + say("move") + "</trigger>"), priority);
        h.engine->getVariables()->setMove(move);
        h.set("camp_source", 0.0f);
    }
    EngineHarness& h;
};

void allEffectsOn(Game_Options& options) {
    options.toggleRulesetsEffects();
    options.toggleStadiumsEffects();
    options.toggleAbilitiesEffects();
}
} // namespace

TEST(TriggerDispatch, EqualPrioritiesRunByOriginThenInCollectionOrder) {
    EngineHarness h;
    allEffectsOn(h.options);
    AllSources sources(h);
    sources.addMove("SOURCE");
    sources.addStatus(0, "SOURCE");
    sources.addBuff(0, "SOURCE");
    sources.addAbility(0, "SOURCE");
    sources.addGlobal("SOURCE");
    sources.addStadium("SOURCE");
    sources.addRuleset("SOURCE");
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"ruleset", "stadium", "global", "ability 0",
                                                      "buff 0 first", "buff 0 second", "status 0", "move"}));
    // The numbering starts again at every dispatch: eight handlers, numbers 1 to 8.
    EXPECT_EQ(currentTriggerSequence(), 8);
    EXPECT_TRUE(h.engine->getHandlerStack().empty());
}

TEST(TriggerDispatch, HigherPriorityRunsFirstWhateverTheOrigin) {
    EngineHarness h;
    allEffectsOn(h.options);
    AllSources sources(h);
    sources.addRuleset("SOURCE", 4);
    sources.addMove("SOURCE", 5);
    sources.addBuff(0, "SOURCE", -1);
    sources.addGlobal("SOURCE", 4);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(),
              (std::vector<std::string>{"move", "ruleset", "global", "buff 0 first", "buff 0 second"}));
}

TEST(TriggerDispatch, EffectSettingsAtZeroSilenceRulesetStadiumAndAbilityOnly) {
    EngineHarness h; // options at their defaults: the three effect settings are 0
    AllSources sources(h);
    sources.addRuleset("SOURCE");
    sources.addStadium("SOURCE");
    sources.addAbility(0, "SOURCE");
    sources.addGlobal("SOURCE");
    sources.addBuff(0, "SOURCE");
    sources.addStatus(0, "SOURCE");
    sources.addMove("SOURCE");
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(),
              (std::vector<std::string>{"global", "buff 0 first", "buff 0 second", "status 0", "move"}));
}

TEST(TriggerDispatch, FieldWideSourcesOnlyAnswerToTheSourceActor) {
    EngineHarness h;
    allEffectsOn(h.options);
    AllSources sources(h);
    sources.addRuleset("target");
    sources.addStadium("TARGET");
    sources.addGlobal("target");
    h.engine->fireTrigger(EVENT, 0, 1);
    h.engine->fireTrigger(EVENT, 1, 0);
    EXPECT_TRUE(h.logLines().empty());

    EngineHarness other;
    allEffectsOn(other.options);
    AllSources sourceActors(other);
    sourceActors.addRuleset("source");
    sourceActors.addGlobal("SOURCE");
    other.engine->fireTrigger(EVENT, 1, 0);
    EXPECT_EQ(other.logLines(), (std::vector<std::string>{"ruleset", "global"}));
}

TEST(TriggerDispatch, SideBoundTriggersAnswerToTheirSidesRoleInTheEvent) {
    EngineHarness h;
    allEffectsOn(h.options);
    ZelkinBuffData* definition = h.define("Garde1");
    h.addTrigger(definition, "BUFF_VALUE", "SOURCE", say("as source"));
    h.addTrigger(definition, "BUFF_VALUE", "TARGET", say("as target"));
    h.addTrigger(definition, "BUFF_VALUE", "", say("no actor"));
    ASSERT_NE(h.give(1, definition), nullptr);

    h.engine->fireTrigger(EVENT, 1, 0);
    EXPECT_EQ(h.logLines(), std::vector<std::string>{"as source"});
    h.engine->clearLog();
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), std::vector<std::string>{"as target"});
    h.engine->clearLog();
    // Both roles on side 1: it counts as the source.
    h.engine->fireTrigger(EVENT, 1, 1);
    EXPECT_EQ(h.logLines(), std::vector<std::string>{"as source"});
    h.engine->clearLog();
    // Side 1 takes no part in an event between side 0 and itself.
    h.engine->fireTrigger(EVENT, 0, 0);
    EXPECT_TRUE(h.logLines().empty());
}

TEST(TriggerDispatch, MoveTriggersFireWhateverTheirActor) {
    EngineHarness h;
    ZelkinMove* move = h.world.move("Charge");
    move->addTrigger("BUFF_VALUE", nullptr, h.parse("<trigger>" + say("no actor") + "</trigger>"), 0);
    move->addTrigger("BUFF_VALUE", "TARGET", h.parse("<trigger>" + say("target actor") + "</trigger>"), 0);
    h.engine->getVariables()->setMove(move);
    h.set("camp_source", 1.0f);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"no actor", "target actor"}));
}

TEST(TriggerDispatch, SwitchedOffSourcesOfASideDoNotFire) {
    EngineHarness h;
    allEffectsOn(h.options);
    AllSources sources(h);
    sources.addAbility(0, "SOURCE");
    sources.addStatus(0, "SOURCE");
    ZelkinBuffData* teamWide = h.define("Rempart");
    teamWide->teamBuff = true;
    h.addTrigger(teamWide, "BUFF_VALUE", "SOURCE", say("team buff"));
    ZelkinBuffData* own = h.define("Aura");
    h.addTrigger(own, "BUFF_VALUE", "SOURCE", say("own buff"));
    ASSERT_NE(h.give(0, teamWide), nullptr);
    ASSERT_NE(h.give(0, own), nullptr);
    PowerSwitchesHandler* switches = h.field->getTeam(0)->getPowerSwitchesForChange();

    switches->set(6, false, 1);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"ability 0", "own buff", "status 0"}));
    h.engine->clearLog();

    switches->resetAll();
    switches->set(3, false, 1);
    switches->set(5, false, 1);
    switches->set(8, false, 1);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), std::vector<std::string>{"team buff"});
    h.engine->clearLog();

    switches->resetAll();
    switches->set(4, false, 1);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"ability 0", "status 0"}));
}

TEST(TriggerDispatch, KilledBuffsStopFiringButCollectedTriggersStillRun) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Ephemere");
    h.addTrigger(definition, "BUFF_VALUE", "SOURCE",
                 "<SetVariable name=\"var:self:alive\" value=\"0\"/>" + say("dies"));
    h.addTrigger(definition, "BUFF_VALUE", "SOURCE", say("still runs"));
    ZelkinBuff* buff = h.give(0, definition);
    ASSERT_NE(buff, nullptr);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_FALSE(buff->isAlive());
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"dies", "still runs"}));
    h.engine->clearLog();
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_TRUE(h.logLines().empty());
}

TEST(TriggerDispatch, CancelInOneTriggerStopsOnlyThatTrigger) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Bouclier");
    h.addTrigger(definition, "BUFF_VALUE", "SOURCE", "<Cancel/>" + say("after cancel"), 3);
    h.addTrigger(definition, "BUFF_VALUE", "SOURCE", say("next trigger"), 1);
    ASSERT_NE(h.give(0, definition), nullptr);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_EQ(h.logLines(), std::vector<std::string>{"next trigger"});
    EXPECT_FLOAT_EQ(h.var("result"), 0.0f);
}

TEST(TriggerDispatch, BeforeAddRunsEveryTriggerOfTheNewBuffInFileOrder) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Nouveau");
    h.addTrigger(definition, "BEFORE_ADD", "", say("first [SOURCE]"), 1);
    h.addTrigger(definition, "BEFORE_ADD", "TARGET", say("second"), 9);
    h.addTrigger(definition, "END_TURN", "SOURCE", say("not now"));
    ZelkinBuff buff(definition, 0);
    h.set("result", 0.5f);
    h.engine->fireBeforeAdd(&buff, 1);
    // Unsorted, no actor test, run for the receiving side.
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"first Rocaille", "second"}));
    EXPECT_FLOAT_EQ(h.var("result"), 1.0f);

    ZelkinBuffData* refusing = h.define("Refus");
    h.addTrigger(refusing, "BEFORE_ADD", "", "<SetVariable name=\"var:result\" value=\"0\"/>");
    ZelkinBuff refused(refusing, 0);
    h.engine->fireBeforeAdd(&refused, 0);
    EXPECT_FLOAT_EQ(h.var("result"), 0.0f);
}

TEST(TriggerDispatch, NestedTriggerSeesItsOwnHandlerAndTheOuterOneGetsItsBack) {
    EngineHarness h;
    ZelkinBuffData* outer = h.define("Exterieur");
    // Reading the attack fires CHECK_STAT_ATT in the middle of this trigger.
    h.addTrigger(outer, "BUFF_VALUE", "SOURCE",
                 "<SetVariable name=\"var:val_1\" value=\"var:source:att\"/>"
                 "<SetVariable name=\"var:val_2\" value=\"var:self:value\"/>");
    ZelkinBuffData* inner = h.define("Interieur");
    h.addTrigger(inner, "CHECK_STAT_ATT", "SOURCE",
                 "<SetVariable name=\"var:val_3\" value=\"var:self:value\"/>");
    ASSERT_NE(h.give(0, outer, 3), nullptr);
    ASSERT_NE(h.give(0, inner, 8), nullptr);
    h.engine->fireTrigger(EVENT, 0, 1);
    EXPECT_FLOAT_EQ(h.var("val_1"), static_cast<float>(h.active(0)->getAttack()));
    EXPECT_FLOAT_EQ(h.var("val_3"), 8.0f);
    EXPECT_FLOAT_EQ(h.var("val_2"), 3.0f);
}

TEST(TriggerDispatch, SelfFeedingStatTriggerStopsInsteadOfOverflowingTheStack) {
    EngineHarness h;
    ZelkinBuffData* loop = h.define("Boucle");
    h.addTrigger(loop, "CHECK_STAT_ATT", "SOURCE",
                 "<AdditionVariable name=\"var:val_4\" value=\"1\"/><SetVariable name=\"var:val_1\" "
                 "value=\"var:source:att\"/>");
    ASSERT_NE(h.give(0, loop), nullptr);
    float attack = h.engine->computeStat(0, 0);
    EXPECT_GT(h.var("val_4"), 1.0f);
    EXPECT_LE(h.var("val_4"), 64.0f);
    EXPECT_FLOAT_EQ(attack, static_cast<float>(h.active(0)->getAttack()));
    EXPECT_TRUE(h.engine->getHandlerStack().empty());
}

TEST(TriggerHandler, GivesScriptsItsBuffsValueDurationLifeAndNames) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Marque");
    definition->tags = {"climat", "eau"};
    ZelkinBuff buff(definition, 4);
    buff.setDuration(3);
    TriggerHandler handler(ORIGIN_BUFF, 0, &buff, nullptr, nullptr);
    EXPECT_FLOAT_EQ(handler.getVariable("value"), 4.0f);
    EXPECT_FLOAT_EQ(handler.getVariable("duration"), 3.0f);
    EXPECT_FLOAT_EQ(handler.getVariable("alive"), 1.0f);
    EXPECT_FLOAT_EQ(handler.getVariable("other"), 0.0f);
    handler.setVariable("duration", 2.9f);
    EXPECT_EQ(buff.getDuration(), 2);
    handler.setVariable("value", -1.5f);
    EXPECT_EQ(buff.getValue(), -1);
    handler.setVariable("alive", 0.5f);
    EXPECT_TRUE(buff.isAlive());
    handler.setVariable("alive", 0.0f);
    EXPECT_FALSE(buff.isAlive());
    handler.setVariable("alive", 1.0f);
    EXPECT_FALSE(buff.isAlive());
    EXPECT_EQ(handler.getTextVariable("name"), std::vector<std::string>{"Marque"});
    EXPECT_EQ(handler.getTextVariable("tag"), (std::vector<std::string>{"climat", "eau"}));

    ZelkinMove* move = h.world.move("Charge");
    TriggerHandler moveHandler(1, move);
    EXPECT_EQ(moveHandler.getOrigin(), ORIGIN_MOVE);
    EXPECT_EQ(moveHandler.getTextVariable("name"), std::vector<std::string>{"Charge"});
    EXPECT_FLOAT_EQ(moveHandler.getVariable("value"), 0.0f);
    moveHandler.setVariable("value", 3.0f); // no holder: ignored
    TriggerHandler blank;
    EXPECT_TRUE(blank.getTextVariable("name").empty());
}

TEST(TriggerHandler, OrderIsPriorityThenOriginThenSequence) {
    ZelkinBuffTrigger low("END_TURN", nullptr);
    ZelkinBuffTrigger high("END_TURN", nullptr);
    high.setPriority(2);
    resetTriggerSequence();
    TriggerHandler moveHigh(ORIGIN_MOVE, 0, nullptr, nullptr, &high);
    TriggerHandler rulesetLow(ORIGIN_RULESET, -1, nullptr, nullptr, &low);
    TriggerHandler buffLowFirst(ORIGIN_BUFF, 0, nullptr, nullptr, &low);
    TriggerHandler buffLowSecond(ORIGIN_BUFF, 1, nullptr, nullptr, &low);
    EXPECT_TRUE(compareHandlers(moveHigh, rulesetLow));
    EXPECT_FALSE(compareHandlers(rulesetLow, moveHigh));
    EXPECT_TRUE(compareHandlers(rulesetLow, buffLowFirst));
    EXPECT_TRUE(compareHandlers(buffLowFirst, buffLowSecond));
    EXPECT_FALSE(compareHandlers(buffLowSecond, buffLowFirst));
    EXPECT_FALSE(compareHandlers(buffLowFirst, buffLowFirst));
}

TEST(TriggerDispatch, OperandOutlivingAQuickMoveOfANestedTriggerWritesTheLiveTable) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Reflexe");
    h.addTrigger(definition, "CHECK_STAT_ATT", "SOURCE", "<QuickMove name=\"Charge\"/>");
    ASSERT_NE(h.give(0, definition), nullptr);
    ScriptedRandom draws(std::vector<int>(16, 0));
    VariableTable* before = h.engine->getVariables();
    h.engine->runCommand(
        0, 1, h.tree("<trigger><SetVariable name=\"var:val_1\" value=\"var:source:att\"/></trigger>"));
    // The quick move replaced the table in the middle of the assignment, which lands in the new one
    // (the freed table is never touched: the sanitizer build checks it).
    EXPECT_NE(h.engine->getVariables(), before);
    EXPECT_GT(h.var("val_1"), 0.0f);
}
