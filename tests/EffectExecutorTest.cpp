// The effect-command executor: chance rolls, the script-value commands, sub-commands and messages.
#include <gtest/gtest.h>

#include "EngineCoreSupport.hpp"
#include "battle/GameField.hpp"
#include "rules/CommandOpcodes.hpp"

namespace {
// Runs a <trigger> body as a top-level command tree for side 0 against side 1.
void run(EngineHarness& h, const std::string& body, int source = 0, int target = 1) {
    h.engine->runCommand(source, target, h.tree("<trigger>" + body + "</trigger>"));
}
} // namespace

TEST(EffectExecutor, ChanceRunsOnRollsUpToItsValue) {
    EngineHarness h;
    struct Case {
        const char* chance;
        int roll;
        bool runs;
    } cases[] = {
        {"0", 0, true},   {"0", 1, false},   {"50", 50, true}, {"50", 51, false},
        {"abc", 0, true}, {"abc", 1, false}, {"-5", 0, false}, {"99", 99, true},
    };
    for (const Case& c : cases) {
        h.engine->clearLog();
        ScriptedRandom draws({c.roll});
        run(h, std::string("<DisplayMessage chance=\"") + c.chance + "\">ran</DisplayMessage>");
        EXPECT_EQ(h.logLines().size(), c.runs ? 1u : 0u) << c.chance << " roll " << c.roll;
        EXPECT_EQ(draws.drawsUsed(), 1) << c.chance;
    }
    for (const char* always : {"100", "150", ""}) {
        h.engine->clearLog();
        ScriptedRandom draws({99});
        run(h, std::string("<DisplayMessage chance=\"") + always + "\">ran</DisplayMessage>");
        EXPECT_EQ(h.logLines().size(), 1u) << always;
        EXPECT_EQ(draws.drawsUsed(), 0) << always;
    }
}

TEST(EffectExecutor, SkippedChanceRunsNoSubCommandsAndLeavesTheReason) {
    EngineHarness h;
    ScriptedRandom draws({80});
    run(h,
        "<SubEffect chance=\"10\" reason=\"POISON\"><SetVariable name=\"var:val_1\" value=\"4\"/></SubEffect>"
        "<SetVariable name=\"var:val_2\" value=\"1\" reason=\"HEAL\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 0.0f);
    EXPECT_FLOAT_EQ(h.var("val_2"), 1.0f);
    EXPECT_EQ(h.engine->getVariables()->getReason(), "HEAL");
}

TEST(EffectExecutor, SetVariableThatChangesNothingRunsNoSubCommands) {
    EngineHarness h;
    h.set("val_1", 5.0f);
    run(h, "<SetVariable name=\"var:val_1\" value=\"5\"><SetVariable name=\"var:val_2\" "
           "value=\"1\"/></SetVariable>");
    EXPECT_FLOAT_EQ(h.var("val_2"), 0.0f);
    run(h, "<AdditionVariable name=\"var:val_1\" value=\"0\"><SetVariable name=\"var:val_2\" "
           "value=\"1\"/></AdditionVariable>");
    EXPECT_FLOAT_EQ(h.var("val_2"), 1.0f);
    // Missing texts and operands that are no numbers fail quietly; the next sibling still runs.
    run(h, "<SetVariable name=\"var:val_3\"/><SetVariable name=\"var:val_3\" value=\"abc\"/>"
           "<SetVariable value=\"3\"/><SetVariable name=\"var:val_4\" value=\"2\"/>");
    EXPECT_FLOAT_EQ(h.var("val_3"), 0.0f);
    EXPECT_FLOAT_EQ(h.var("val_4"), 2.0f);
}

TEST(EffectExecutor, RoundingWordsOfAssignments) {
    EngineHarness h;
    struct Case {
        const char* value;
        const char* word;
        float expected;
    } cases[] = {
        {"2.5", "it", 3.0f},   {"-2.5", "it", -3.0f},  {"-2.5", "down", -3.0f}, {"2.1", "up", 3.0f},
        {"2.7", "down", 2.0f}, {"2.5", "other", 2.5f}, {"2.4", "it", 2.0f},
    };
    for (const Case& c : cases) {
        h.set("val_1", 100.0f);
        run(h, std::string("<SetVariable name=\"var:val_1\" value=\"") + c.value + "\" round=\"" + c.word +
                   "\"/>");
        EXPECT_FLOAT_EQ(h.var("val_1"), c.expected) << c.value << " " << c.word;
    }
}

TEST(EffectExecutor, ArithmeticOnVariables) {
    EngineHarness h;
    h.set("val_1", 7.0f);
    run(h, "<SubstractVariable name=\"var:val_1\" value=\"2\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 5.0f);
    run(h, "<MultiplyVariable name=\"var:val_1\" value=\"1,5\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 7.5f);
    run(h, "<DivideVariable name=\"var:val_1\" value=\"2\" round=\"down\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 3.0f);
    // The integer variables truncate what they are given.
    h.set("damage", 10.0f);
    run(h, "<MultiplyVariable name=\"var:damage\" value=\"0.75\"/>");
    EXPECT_FLOAT_EQ(h.var("damage"), 7.0f);
}

TEST(EffectExecutor, DivisionByZeroAndBadModuloAreRefused) {
    EngineHarness h;
    h.set("val_1", 7.0f);
    run(h, "<DivideVariable name=\"var:val_1\" value=\"0\"><SetVariable name=\"var:val_2\" "
           "value=\"1\"/></DivideVariable>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 7.0f);
    EXPECT_FLOAT_EQ(h.var("val_2"), 0.0f);

    run(h, "<ModuloVariable name=\"var:val_1\" value=\"3\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 1.0f);
    h.set("val_1", 7.0f);
    run(h, "<ModuloVariable name=\"var:val_1\" value=\"0.5\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 7.0f);
    h.set("val_1", -1.0f);
    run(h, "<ModuloVariable name=\"var:val_1\" value=\"3\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), -1.0f);
    h.set("val_1", 9.9f);
    run(h, "<ModuloVariable name=\"var:val_1\" value=\"4.9\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 1.0f);
}

TEST(EffectExecutor, NumberCompareRunsItsSubCommandsOnlyWhenTrue) {
    EngineHarness h;
    h.set("val_1", 3.0f);
    struct Case {
        const char* comparator;
        const char* value;
        bool holds;
    } cases[] = {
        {"equal", "3", true},    {"eq", "3", true},        {"equal", "4", false},     {"sup", "2", true},
        {"sup", "3", false},     {"supequal", "3", true},  {"inf", "4", true},        {"inf", "3", false},
        {"infequal", "3", true}, {"infequal", "2", false}, {"different", "4", false}, {"", "3", false},
    };
    for (const Case& c : cases) {
        h.set("val_2", 0.0f);
        run(h, std::string("<NumberCompare name=\"var:val_1\" value=\"") + c.value + "\" comparator=\"" +
                   c.comparator + "\"><SetVariable name=\"var:val_2\" value=\"1\"/></NumberCompare>");
        EXPECT_EQ(h.var("val_2") == 1.0f, c.holds) << c.comparator << " " << c.value;
    }
}

TEST(EffectExecutor, StringCompareTestsListsOfTexts) {
    EngineHarness h;
    struct Case {
        const char* name;
        const char* value;
        const char* comparator;
        bool holds;
    } cases[] = {
        {"a,b,c", "a,c", "equal", true},
        {"a,b", "x,b", "has", true},
        {"a,b", "x,y", "hasnt", true},
        {"a,b", "a,b,c", "dif", true},
        {"a,b", "a", "not", false},
        {"var:target:name", "Rocaille", "equal", true},
        {"var:source:name", "Rocaille", "has", false},
        {"a", "a", "", false},
    };
    for (const Case& c : cases) {
        h.set("val_2", 0.0f);
        run(h, std::string("<StringCompare name=\"") + c.name + "\" value=\"" + c.value + "\" comparator=\"" +
                   c.comparator + "\"><SetVariable name=\"var:val_2\" value=\"1\"/></StringCompare>");
        EXPECT_EQ(h.var("val_2") == 1.0f, c.holds) << c.name << " " << c.comparator << " " << c.value;
    }
}

TEST(EffectExecutor, EndEffectStopsLaterSiblingsAtEveryLevelUntilTheNextRun) {
    EngineHarness h;
    run(h, "<SubEffect>"
           "  <SubEffect><SetVariable name=\"var:val_1\" value=\"1\"/><EndEffect/>"
           "    <SetVariable name=\"var:val_2\" value=\"1\"/></SubEffect>"
           "  <SetVariable name=\"var:val_3\" value=\"1\"/>"
           "</SubEffect>"
           "<SetVariable name=\"var:val_4\" value=\"1\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 1.0f);
    EXPECT_FLOAT_EQ(h.var("val_2"), 0.0f);
    EXPECT_FLOAT_EQ(h.var("val_3"), 0.0f);
    EXPECT_FLOAT_EQ(h.var("val_4"), 0.0f);
    EXPECT_FALSE(h.engine->getKeepExecuting());
    run(h, "<SetVariable name=\"var:val_4\" value=\"1\"/>");
    EXPECT_FLOAT_EQ(h.var("val_4"), 1.0f);
}

TEST(EffectExecutor, CancelZeroesResultAndStopsTheTree) {
    EngineHarness h;
    run(h, "<Cancel>never shown</Cancel><SetVariable name=\"var:val_1\" value=\"1\"/>");
    EXPECT_FLOAT_EQ(h.var("result"), 0.0f);
    EXPECT_FLOAT_EQ(h.var("val_1"), 0.0f);
    EXPECT_TRUE(h.logLines().empty());
}

TEST(EffectExecutor, MessagesBelongToCommandsWithoutSubCommands) {
    EngineHarness h;
    // A SubEffect's text belongs to the container that holds its block, so it shows exactly once.
    run(h, "<SubEffect><DisplayMessage>[SOURCE] attaque [TARGET] !</DisplayMessage></SubEffect>"
           "<SubEffect>bloc</SubEffect>"
           "<SetPowerSwitch>switch text</SetPowerSwitch>"
           "<DisplayMessage target=\"target\">[TARGET] vise</DisplayMessage>");
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"Flamby attaque Rocaille !", "bloc", "switch text",
                                                      "Rocaille vise"}));
    // A command with sub-commands shows none of its own text, even when one is set on it.
    QXML_Command* compare = h.tree("<NumberCompare name=\"1\" value=\"1\" comparator=\"eq\"><SetVariable "
                                   "name=\"var:val_1\" value=\"2\"/></NumberCompare>");
    compare->message = "hidden";
    h.engine->clearLog();
    h.engine->runCommand(0, 1, compare);
    EXPECT_FLOAT_EQ(h.var("val_1"), 2.0f);
    EXPECT_TRUE(h.logLines().empty());
}

TEST(EffectExecutor, UnknownOpcodeBehavesAsDisplayMessage) {
    EngineHarness h;
    QXML_Command* command = h.tree("<DisplayMessage>odd</DisplayMessage>");
    command->opcode = 77;
    h.engine->runCommand(0, 1, command);
    command->opcode = -3;
    h.engine->runCommand(0, 1, command);
    EXPECT_EQ(h.logLines(), (std::vector<std::string>{"odd", "odd"}));
    h.engine->runCommand(0, 1, nullptr);
    EXPECT_EQ(h.logLines().size(), 2u);
}

TEST(EffectExecutor, DisabledBlocksAreNeverRun) {
    EngineHarness h;
    run(h, "<IfNot><DisplayMessage>hidden</DisplayMessage></IfNot><DisplayMessage>shown</DisplayMessage>");
    EXPECT_EQ(h.logLines(), std::vector<std::string>{"shown"});
}

TEST(EffectExecutor, RunCommandHandsTheScriptTheTopTwoHandlers) {
    EngineHarness h;
    ZelkinBuffData* definition = h.define("Marque");
    ZelkinBuff outer(definition, 2);
    ZelkinBuff inner(definition, 5);
    h.engine->pushHandler(TriggerHandler(ORIGIN_BUFF, 0, &outer, nullptr, nullptr));
    h.engine->pushHandler(TriggerHandler(ORIGIN_BUFF, 1, &inner, nullptr, nullptr));
    run(h, "<SetVariable name=\"var:val_1\" value=\"var:self:value\"/>");
    EXPECT_FLOAT_EQ(h.var("val_1"), 5.0f);
    EXPECT_EQ(h.engine->getVariables()->getCallingHandler().getHolder(), &outer);
    h.engine->popHandler();
    h.engine->popHandler();
}

TEST(FormatMessage, ReplacesKnownTokensAndDropsUnknownOnes) {
    EngineHarness h;
    EXPECT_EQ(h.engine->formatMessage("[ZLKN] et [ZLKN2]", 0), "Flamby et Rocaille");
    EXPECT_EQ(h.engine->formatMessage("[SOURCE] contre [TARGET]", 1), "Rocaille contre Flamby");
    EXPECT_EQ(h.engine->formatMessage("[MOVE] de [SOURCE]", 0), " de Flamby");
    EXPECT_EQ(h.engine->formatMessage("a [b c", 0), "a [b c");
    EXPECT_EQ(h.engine->formatMessage("[SOURCE] [x", 0), "Flamby [x");
    // The token runs from the first "[" to the next "]": "[[SOURCE]" is unknown.
    EXPECT_EQ(h.engine->formatMessage("]][[SOURCE]]", 0), "]]]");
    // Teams without an owner have no trainer name to show.
    EXPECT_EQ(h.engine->formatMessage("[TRAINER]/[TTARGET]!", 0), "/!");
    // Inserted text is not searched again.
    h.active(0)->setName("[TARGET]");
    EXPECT_EQ(h.engine->formatMessage("[SOURCE]", 0), "[TARGET]");
}

TEST(FormatMessage, ACreatureTokenOfASideWithNoCreatureIsDropped) {
    BattleFixture world;
    GameField* field = world.makeField(3, 0, "Arene Test", {"Flamby"}, {});
    GameBattleEngine engine(field, nullptr, nullptr);
    EXPECT_EQ(engine.formatMessage("[SOURCE] vs [TARGET]", 0), "Flamby vs ");
    EXPECT_EQ(engine.formatMessage("[SOURCE] vs [TARGET]", 1), " vs Flamby");
    EXPECT_EQ(engine.formatMessage("[SOURCE]", 7), "");
    engine.writeLog("[TARGET] attend", 1);
    EXPECT_EQ(engine.getLogText(), "Flamby attend\n");
}
