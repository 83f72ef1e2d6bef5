// The action variables: defaults, integer truncation, dice, read-only names and the text variables.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <thread>

#include "TestSupport.hpp"
#include "battle/TriggerHandler.hpp"
#include "battle/VariableTable.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/ZelkinType.hpp"

TEST(VariableTable, NewTableHoldsTheDefaultsOfAnAction) {
    VariableTable table;
    EXPECT_FLOAT_EQ(table.getVariable("result"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("return_value"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("precision"), 100.0f);
    EXPECT_FLOAT_EQ(table.getVariable("stat_att"), 50.0f);
    EXPECT_FLOAT_EQ(table.getVariable("stat_def"), 50.0f);
    EXPECT_FLOAT_EQ(table.getVariable("critical_bonus"), 1.5f);
    EXPECT_FLOAT_EQ(table.getVariable("mult_dmg"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("effectiveness"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("number_hits"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("hit_num"), 0.0f);
    EXPECT_FLOAT_EQ(table.getVariable("can_move"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("move_hit"), 1.0f);
    EXPECT_FLOAT_EQ(table.getVariable("move_success"), 1.0f);
    EXPECT_FLOAT_EQ(table.getSameTypeBonus(), 1.5f);
    EXPECT_EQ(table.getMove(), nullptr);
    EXPECT_EQ(table.getNewBuff(), nullptr);
}

TEST(VariableTable, IntegerVariablesTruncateTowardZeroAndFloatsKeepTheirValue) {
    VariableTable table;
    table.setVariable("damage", 12.9f);
    EXPECT_FLOAT_EQ(table.getVariable("damage"), 12.0f);
    EXPECT_EQ(table.getDamage(), 12);
    table.setVariable("damage", -3.7f);
    EXPECT_FLOAT_EQ(table.getVariable("damage"), -3.0f);
    table.setVariable("val_2", 2.75f);
    EXPECT_FLOAT_EQ(table.getVariable("val_2"), 2.75f);
    table.setVariable("move_spot", 2.0f);
    EXPECT_FLOAT_EQ(table.getVariable("move_spot"), 2.0f);
    EXPECT_FLOAT_EQ(table.getVariable("move_success"), 1.0f);
    table.setEffectiveness(2);
    EXPECT_FLOAT_EQ(table.getEffectiveness(), 2.0f);
}

TEST(VariableTable, OutOfRangeOrNanWritesSaturateInsteadOfOverflowing) {
    VariableTable table;
    table.setVariable("damage", 1e20f);
    EXPECT_EQ(table.getDamage(), 2147483647);
    table.setVariable("total_damage", -1e20f);
    EXPECT_FLOAT_EQ(table.getVariable("total_damage"), -2147483648.0f);
    table.setVariable("precision", std::nanf(""));
    EXPECT_FLOAT_EQ(table.getVariable("precision"), 0.0f);
}

TEST(VariableTable, ReadOnlyAndUnknownNamesIgnoreWritesAndReadZero) {
    VariableTable table;
    table.setMoveCategory(2);
    table.setVariable("move_cat", 5.0f);
    EXPECT_FLOAT_EQ(table.getVariable("move_cat"), 2.0f);
    {
        ScriptedRandom draws({3});
        table.setVariable("d20", 7.0f);
        EXPECT_FLOAT_EQ(table.getVariable("d20"), 4.0f);
    }
    table.setVariable("Damage", 9.0f);
    EXPECT_FLOAT_EQ(table.getVariable("Damage"), 0.0f);
    EXPECT_FLOAT_EQ(table.getVariable("damage"), 0.0f);
    EXPECT_FLOAT_EQ(table.getVariable("nothing"), 0.0f);
}

TEST(VariableTable, EveryNameHasItsOwnSlotThatReadsAndWritesLikeTheName) {
    std::set<std::string_view> names;
    for (int slot = 0; slot < SCRIPT_VARIABLE_COUNT; ++slot) {
        std::string_view name = SCRIPT_VARIABLE_NAMES[slot];
        names.insert(name);
        EXPECT_EQ(scriptVariableFromName(name), slot) << name;
        if (name == "move_cat" || slot >= SVAR_D100) continue; // read-only, dice
        VariableTable table;
        table.setSlot(slot, 7.0f);
        EXPECT_FLOAT_EQ(table.getVariable(name), 7.0f) << name;
        table.setVariable(name, 3.0f);
        EXPECT_FLOAT_EQ(table.getSlot(slot), 3.0f) << name;
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(SCRIPT_VARIABLE_COUNT));
    EXPECT_EQ(scriptVariableFromName("Damage"), NO_SCRIPT_VARIABLE);
    VariableTable table;
    table.setSlot(NO_SCRIPT_VARIABLE, 4.0f);
    EXPECT_FLOAT_EQ(table.getSlot(NO_SCRIPT_VARIABLE), 0.0f);
}

TEST(VariableTable, DiceDrawAfreshOnEveryReadWithinTheirFaces) {
    VariableTable table;
    {
        ScriptedRandom draws({0, 5, 99, 1, 0});
        EXPECT_FLOAT_EQ(table.getVariable("d6"), 1.0f);
        EXPECT_FLOAT_EQ(table.getVariable("d6"), 6.0f);
        EXPECT_FLOAT_EQ(table.getVariable("d100"), 100.0f);
        EXPECT_FLOAT_EQ(table.getVariable("d2"), 2.0f);
        EXPECT_FLOAT_EQ(table.getVariable("d12"), 1.0f);
        EXPECT_EQ(draws.remaining(), 0u);
    }
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        float face = table.getVariable("d8");
        ASSERT_GE(face, 1.0f);
        ASSERT_LE(face, 8.0f);
        seen.insert(static_cast<int>(face));
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(VariableTable, TextVariablesAnswerLists) {
    VariableTable table;
    EXPECT_TRUE(table.getTextVariable("type_move").empty());
    EXPECT_EQ(table.getTextVariable("reason"), std::vector<std::string>{""});
    EXPECT_EQ(table.getTextVariable("stat_aff"), std::vector<std::string>{""});
    ZelkinType fire("Pyro");
    table.setMoveType(&fire);
    table.setReason("ATTACK");
    table.setOffensiveTypes({"Pyro", "Contact"});
    EXPECT_EQ(table.getTextVariable("type_move"), std::vector<std::string>{"Pyro"});
    EXPECT_TRUE(table.getTextVariable("subtype_move").empty());
    EXPECT_EQ(table.getTextVariable("reason"), std::vector<std::string>{"ATTACK"});
    EXPECT_EQ(table.getTextVariable("types_offensive"), (std::vector<std::string>{"Pyro", "Contact"}));
    EXPECT_TRUE(table.getTextVariable("types_defensive").empty());
    EXPECT_TRUE(table.getTextVariable("damage").empty());
}

TEST(VariableTable, EachNewTableNumbersItsTwoHandlersRunningFirst) {
    resetTriggerSequence();
    VariableTable first;
    VariableTable second;
    EXPECT_EQ(first.getRunningHandler().getSequence(), 1);
    EXPECT_EQ(first.getCallingHandler().getSequence(), 2);
    EXPECT_EQ(second.getRunningHandler().getSequence(), 3);
    EXPECT_EQ(currentTriggerSequence(), 4);
    EXPECT_EQ(first.getRunningHandler().getHolder(), nullptr);
    EXPECT_FLOAT_EQ(first.getRunningHandler().getVariable("value"), 0.0f);
}

TEST(VariableTable, HandlerNumberingOfAnotherThreadLeavesThisThreadsCounterAlone) {
    resetTriggerSequence();
    VariableTable here;
    int otherThreadFirst = 0;
    std::thread worker([&otherThreadFirst] {
        for (int i = 0; i < 1000; ++i)
            nextTriggerSequence();
        resetTriggerSequence();
        VariableTable there;
        otherThreadFirst = there.getRunningHandler().getSequence();
    });
    worker.join();
    EXPECT_EQ(otherThreadFirst, 1);
    EXPECT_EQ(currentTriggerSequence(), 2);
}
