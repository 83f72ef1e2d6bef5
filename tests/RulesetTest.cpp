// Rulesets: bounds and allow flags from the ruleset files, and the built-in ruleset.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/Ruleset.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

TEST(RulesetDefaults, TheBuiltInRulesetLetsEverythingIn) {
    Ruleset* ruleset = Ruleset::createAnythingGoes();
    EXPECT_EQ(ruleset->getName(), "Anything Goes");
    EXPECT_EQ(ruleset->maxSumStats, 9999);
    EXPECT_EQ(ruleset->minSumStats, 0);
    EXPECT_EQ(ruleset->baseLevel, 50);
    EXPECT_EQ(ruleset->balanceMinPower, 525);
    EXPECT_EQ(ruleset->allowLegendaries, 1);
    EXPECT_EQ(ruleset->allowMythics, 1);
    EXPECT_EQ(ruleset->allowFabulous, 1);
    EXPECT_TRUE(ruleset->autobalance);
    EXPECT_TRUE(ruleset->allowForms);
    EXPECT_TRUE(ruleset->triggers.empty());
    ruleset->addTrigger("END_TURN", "", nullptr, 3);
    EXPECT_TRUE(ruleset->triggers.empty());
    delete ruleset;
}

TEST(RulesetLoader, BoundsAreTakenOnlyInRangeAndFlagsByPresence) {
    ScratchDir dir;
    GameParser parser;
    std::string path = fixturePath("team/rulesets.xml");
    parser.loadRulesets(path);
    ASSERT_EQ(parser.countRulesets(), 5);
    EXPECT_EQ(parser.getCurrentRuleset(), parser.getRulesetAt(0));
    EXPECT_EQ(parser.getRulesetAt(0)->getName(), "Libre");

    Ruleset* bounds = parser.getRulesetAt(1);
    EXPECT_EQ(bounds->baseLevel, 50);
    EXPECT_EQ(bounds->minSumStats, 600);
    EXPECT_EQ(bounds->maxSumStats, 9999);
    EXPECT_FALSE(bounds->allowForms);
    EXPECT_TRUE(bounds->autobalance);
    EXPECT_EQ(bounds->balanceMinPower, -5);

    Ruleset* strict = parser.getRulesetAt(2);
    EXPECT_EQ(strict->baseLevel, 100);
    EXPECT_EQ(strict->minSumStats, 0);
    EXPECT_EQ(strict->maxSumStats, 9999);
    EXPECT_FALSE(strict->autobalance);
    EXPECT_TRUE(strict->allowForms);
    EXPECT_EQ(strict->allowFabulous, 0);
    EXPECT_EQ(strict->allowMythics, 0);
    EXPECT_EQ(strict->allowLegendaries, 0);
    ASSERT_EQ(strict->triggers.size(), 1u);
    EXPECT_EQ(strict->triggers[0]->getWhen(), "START_MATCH");
    EXPECT_EQ(strict->triggers[0]->getActor(), "SOURCE");
    EXPECT_EQ(strict->triggers[0]->getPriority(), -1);

    Ruleset* levelOne = parser.getRulesetAt(3);
    EXPECT_EQ(levelOne->baseLevel, 1); // only the first base_level counts
    EXPECT_EQ(levelOne->minSumStats, 300);
    EXPECT_EQ(levelOne->maxSumStats, 450);
    EXPECT_EQ(levelOne->balanceMinPower, 0);
    EXPECT_EQ(parser.getRulesetAt(4)->baseLevel, 50);

    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0],
              "WARNING with File " + path + " : Ruleset Petits : Trigger found with no WHEN attribute");
}

TEST(RulesetLoader, ANamelessFirstFileLeavesTheBuiltInRulesetCurrent) {
    ScratchDir dir;
    GameParser parser;
    std::string path = fixturePath("team/rulesets_nameless.xml");
    parser.loadRulesets(path);
    ASSERT_EQ(parser.countRulesets(), 1);
    EXPECT_EQ(parser.getCurrentRuleset()->getName(), "Anything Goes");
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0],
              "ERROR with File " + path + " : Invalid properties from Ruleset element number 1");

    // Later files append after it, and the first ruleset stays current.
    parser.loadRulesets(fixturePath("team/rulesets_two/a_first.xml"));
    ASSERT_EQ(parser.countRulesets(), 2);
    EXPECT_EQ(parser.getCurrentRuleset()->getName(), "Anything Goes");
}

TEST(RulesetLoader, TwoFilesGiveTwoRulesetsInLoadOrder) {
    ScratchDir dir;
    GameParser parser;
    for (const std::string& file : listXmlFiles(fixturePath("team/rulesets_two")))
        parser.loadRulesets(file);
    ASSERT_EQ(parser.countRulesets(), 2);
    EXPECT_EQ(parser.getRulesetAt(0)->getName(), "Premier");
    EXPECT_EQ(parser.getRulesetAt(1)->getName(), "Second");
    EXPECT_EQ(parser.getRulesetAt(1)->baseLevel, 30);
    EXPECT_EQ(parser.getCurrentRuleset(), parser.getRulesetAt(0));
    EXPECT_TRUE(errorLogLines().empty());
}
