// Script operands: number parsing, reference syntax, scoped reads and writes, lists and list comparison.
#include <gtest/gtest.h>

#include "EngineCoreSupport.hpp"
#include <cmath>

#include "battle/QX_Variable.hpp"

namespace {
QX_Variable literal(const std::string& text) { return QX_Variable(text, nullptr, nullptr, 0); }
} // namespace

TEST(ScriptOperand, ParsesNumbersWithEitherDecimalMarkAndRefusesMalformedOnes) {
    QX_Variable operand = literal("");
    struct Case {
        const char* text;
        float value;
        bool failed;
    } cases[] = {
        {"12", 12.0f, false}, {"-3.25", -3.25f, false}, {"2,5", 2.5f, false}, {"1.2.3", 0.0f, true},
        {"5-", 0.0f, true},   {"a", 0.0f, false},       {"", 0.0f, false},    {"abc", 0.0f, true},
        {"-", 0.0f, false},   {"0.05", 0.05f, false},   {"--1", 0.0f, true},  {".5", 0.5f, false},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(operand.parseNumber(c.text), c.value) << c.text;
        EXPECT_EQ(operand.hasFailed(), c.failed) << c.text;
    }
    // A run of digits far beyond the float range stays finite.
    float huge = operand.parseNumber(std::string(400, '9'));
    EXPECT_TRUE(std::isfinite(huge));
    EXPECT_FALSE(operand.hasFailed());
}

TEST(ScriptOperand, LiteralThatIsNoNumberBecomesATextAndFails) {
    QX_Variable word = literal("abc");
    word.evaluateNumber();
    EXPECT_TRUE(word.hasFailed());
    EXPECT_EQ(word.getKind(), 1);
    EXPECT_EQ(word.getText(), "abc");
    EXPECT_FLOAT_EQ(word.getNumber(), 0.0f);

    QX_Variable number = literal("7");
    number.evaluateNumber();
    EXPECT_FALSE(number.hasFailed());
    EXPECT_EQ(number.getKind(), 0);
    EXPECT_FLOAT_EQ(number.getNumber(), 7.0f);

    // An empty reference leaves everything as it was.
    QX_Variable empty = literal("");
    empty.evaluateNumber();
    EXPECT_FALSE(empty.hasFailed());
    empty.evaluateList();
    EXPECT_TRUE(empty.getList().empty());
    EXPECT_TRUE(empty.compareList({}, "hasnt"));
}

TEST(ScriptOperand, ReadsAndWritesActionVariablesThroughVarAndV) {
    EngineHarness h;
    h.set("val_1", 4.5f);
    QX_Variable full("var:val_1", h.engine, h.engine->getVariables(), 0);
    full.evaluateNumber();
    EXPECT_FLOAT_EQ(full.getNumber(), 4.5f);
    QX_Variable shortForm("v:val_1", h.engine, h.engine->getVariables(), 0);
    shortForm.assignNumber(9.0f);
    EXPECT_FLOAT_EQ(h.var("val_1"), 9.0f);
    // Unknown names read 0 without failing; a literal cannot be written.
    QX_Variable unknown("var:nothing_here", h.engine, h.engine->getVariables(), 0);
    unknown.evaluateNumber();
    EXPECT_FALSE(unknown.hasFailed());
    EXPECT_FLOAT_EQ(unknown.getNumber(), 0.0f);
    QX_Variable constant("val_1", h.engine, h.engine->getVariables(), 0);
    constant.assignNumber(1.0f);
    EXPECT_FLOAT_EQ(h.var("val_1"), 9.0f);
}

TEST(ScriptOperand, ScopesReachTheRightSide) {
    EngineHarness h;
    h.active(0)->setHp(40);
    h.active(1)->setHp(25);
    auto read = [&h](const std::string& reference, int side) {
        QX_Variable operand(reference, h.engine, h.engine->getVariables(), side);
        operand.evaluateNumber();
        EXPECT_FALSE(operand.hasFailed()) << reference;
        return operand.getNumber();
    };
    EXPECT_FLOAT_EQ(read("var:source:hp", 0), 40.0f);
    EXPECT_FLOAT_EQ(read("var:target:hp", 0), 25.0f);
    EXPECT_FLOAT_EQ(read("var:opponent:hp", 0), 25.0f);
    EXPECT_FLOAT_EQ(read("var:source:hp", 1), 25.0f);
    // The name stops at the next colon.
    EXPECT_FLOAT_EQ(read("var:source:hp:ignored", 0), 40.0f);
    // Misspelt scopes, and move/newbuff with nothing in play, read 0.
    EXPECT_FLOAT_EQ(read("var:sorce:hp", 0), 0.0f);
    EXPECT_FLOAT_EQ(read("var:move:power", 0), 0.0f);
    EXPECT_FLOAT_EQ(read("var:newbuff:value", 0), 0.0f);
    EXPECT_FLOAT_EQ(read("var:self:value", 0), 0.0f);

    // Without the leading "var" a scope is only a literal, and not a number.
    QX_Variable bare("source:hp", h.engine, h.engine->getVariables(), 0);
    bare.evaluateNumber();
    EXPECT_TRUE(bare.hasFailed());

    h.field->nextTurn();
    h.field->nextTurn();
    h.field->nextTurn();
    EXPECT_FLOAT_EQ(read("var:field:turn", 0), 3.0f);
    EXPECT_FLOAT_EQ(read("var:field:weather", 0), 0.0f);

    h.engine->getVariables()->setMove(h.world.move("Charge"));
    EXPECT_FLOAT_EQ(read("var:move:power", 0), static_cast<float>(h.world.move("Charge")->getPower()));
}

TEST(ScriptOperand, WritingTargetHpSetsTheOpposingCreatureClampedToItsMaximum) {
    EngineHarness h;
    QX_Variable target("var:target:hp", h.engine, h.engine->getVariables(), 0);
    target.assignNumber(10.0f);
    EXPECT_EQ(h.active(1)->getHp(), 10);
    EXPECT_EQ(h.field->getTimer(1), 45);
    target.assignNumber(1e9f);
    EXPECT_EQ(h.active(1)->getHp(), h.active(1)->getMaxHp());
    // Only "hp" is writable.
    int level = h.active(1)->getLevel();
    QX_Variable levelOperand("var:target:level", h.engine, h.engine->getVariables(), 0);
    levelOperand.assignNumber(3.0f);
    EXPECT_EQ(h.active(1)->getLevel(), level);
}

TEST(ScriptOperand, SplitsListLiteralsAtEveryComma) {
    QX_Variable two = literal("a,b");
    two.evaluateList();
    EXPECT_EQ(two.getKind(), 1);
    EXPECT_EQ(two.getList(), (std::vector<std::string>{"a", "b"}));
    QX_Variable gaps = literal(",x,,");
    gaps.evaluateList();
    EXPECT_EQ(gaps.getList(), (std::vector<std::string>{"", "x", "", ""}));
    QX_Variable one = literal("Pyro");
    one.evaluateList();
    EXPECT_EQ(one.getList(), std::vector<std::string>{"Pyro"});
}

TEST(ScriptOperand, ComparesListsByEachComparatorWord) {
    QX_Variable ab = literal("a,b");
    ab.evaluateList();
    EXPECT_TRUE(ab.compareList({"a", "b"}, "equal"));
    EXPECT_FALSE(ab.compareList({"a", "b", "c"}, "equal"));
    EXPECT_TRUE(ab.compareList({"a", "b", "c"}, "dif"));
    EXPECT_FALSE(ab.compareList({"b", "a"}, "dif"));
    EXPECT_TRUE(ab.compareList({"x", "b"}, "has"));
    EXPECT_FALSE(ab.compareList({"x", "y"}, "has"));
    EXPECT_TRUE(ab.compareList({"x", "y"}, "hasnt"));
    EXPECT_TRUE(ab.compareList({"x"}, "not"));
    EXPECT_TRUE(ab.compareList({}, "hasnt"));
    EXPECT_FALSE(ab.compareList({"A"}, "has"));
    EXPECT_FALSE(ab.compareList({"a"}, "Equal"));
}

TEST(ScriptOperand, ReadsCreatureTextsAndTheRunningHandlersBuff) {
    EngineHarness h;
    QX_Variable name("var:target:name", h.engine, h.engine->getVariables(), 0);
    name.evaluateList();
    EXPECT_EQ(name.getList(), std::vector<std::string>{"Rocaille"});

    ZelkinBuffData* definition = h.define("Marque");
    ZelkinBuff* buff = h.give(0, definition, 7);
    ASSERT_NE(buff, nullptr);
    h.engine->getVariables()->setRunningHandler(TriggerHandler(ORIGIN_BUFF, 0, buff, nullptr, nullptr));
    QX_Variable value("var:self:value", h.engine, h.engine->getVariables(), 0);
    value.evaluateNumber();
    EXPECT_FLOAT_EQ(value.getNumber(), 7.0f);
    value.assignNumber(2.9f);
    EXPECT_EQ(buff->getValue(), 2);
    QX_Variable selfName("var:self:name", h.engine, h.engine->getVariables(), 0);
    selfName.evaluateList();
    EXPECT_EQ(selfName.getList(), std::vector<std::string>{"Marque"});
}
