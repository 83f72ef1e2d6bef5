// Types and subtypes read from their folders, and type effectiveness by name.
#include <gtest/gtest.h>
#include <limits>
#include <tinyxml2.h>

#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/ZelkinType.hpp"

TEST(TypeLoader, EachFileBringsItsNoneAndIdsRunAcrossTypesAndSubtypes) {
    ScratchDir dir;
    GameParser parser;
    for (const std::string& file : listXmlFiles(fixturePath("vocab/types")))
        parser.loadTypes(file);
    for (const std::string& file : listXmlFiles(fixturePath("vocab/subtypes")))
        parser.loadSubtypes(file);
    const std::string one = fixturePath("vocab/types/one.xml");
    const std::string kinds = fixturePath("vocab/subtypes/kinds.xml");

    EXPECT_EQ(errorLogLines(),
              (std::vector<std::string>{
                  "ERROR with File " + one + " : Invalid properties from Type element number 2",
                  "ERROR with File " + kinds + " : Invalid properties from Subtype element number 3",
              }));

    std::vector<std::string> names;
    for (ZelkinType* type : parser.getTypes())
        names.push_back(type->getName());
    EXPECT_EQ(names, (std::vector<std::string>{"none", "Ember", "Tide", "Sprout", "none", "Spark"}));
    const std::vector<ZelkinType*>& types = parser.getTypes();
    int base = types[0]->getId();
    for (size_t i = 0; i < types.size(); ++i)
        EXPECT_EQ(types[i]->getId(), base + static_cast<int>(i)) << i;
    EXPECT_EQ(parser.findType("none"), types[0]);

    ASSERT_EQ(parser.countSubtypes(), 3);
    EXPECT_EQ(parser.getSubtypes()[0]->getName(), "Contact");
    EXPECT_EQ(parser.getSubtypes()[0]->getId(), base + 6);
    EXPECT_EQ(parser.getSubtypes()[1]->getName(), ""); // an empty name element is still a name
    EXPECT_EQ(parser.getSubtypes()[2]->getId(), base + 8);
    EXPECT_FLOAT_EQ(parser.findSubtype("Contact")->getMultiplierAgainst("Ember"), 1.5f);

    ZelkinType* ember = parser.findType("Ember");
    EXPECT_EQ(ember->getAuxA(), 0);
    EXPECT_EQ(ember->getAuxB(), 0);
    EXPECT_EQ(ember->getAuxC(), -1);
    // The entry without a ratio is dropped; the empty ratio reads as 0.
    EXPECT_EQ(ember->getEffectivenessEntries().size(), 5u);
    EXPECT_FLOAT_EQ(ember->getMultiplierAgainst("Stone"), 1.0f);
    EXPECT_FLOAT_EQ(ember->getMultiplierAgainst("Gale"), 0.0f);
    // Unreadable and overflowing ratios give 0 rather than garbage or infinity.
    EXPECT_FLOAT_EQ(parser.findType("Sprout")->getMultiplierAgainst("Spark"), 0.0f);
    EXPECT_FLOAT_EQ(parser.findType("Sprout")->getMultiplierAgainst("Gale"), 0.0f);
}

TEST(TypeLoader, AnUnparsableFileIsReportedAndStillAddsItsNone) {
    ScratchDir dir;
    dir.write("data/types/bad.xml", "<type><name>Broken</name></typ>");
    dir.write("data/types/good.xml", "<type><name>Fine</name></type>");
    GameParser parser;
    for (const std::string& file : listXmlFiles("data/types"))
        parser.loadTypes(file);
    tinyxml2::XMLDocument doc;
    doc.LoadFile("data/types/bad.xml");
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0], std::string("ERROR with File data/types/bad.xml : ") + doc.ErrorStr());
    ASSERT_EQ(parser.countTypes(), 3);
    EXPECT_EQ(parser.getTypes()[0]->getName(), "none");
    EXPECT_EQ(parser.getTypes()[1]->getName(), "none");
    EXPECT_EQ(parser.getTypes()[2]->getName(), "Fine");
    EXPECT_EQ(parser.findType("Broken"), nullptr);

    parser.loadSubtypes("data/subtypes/missing.xml");
    EXPECT_EQ(parser.countSubtypes(), 0);
    EXPECT_EQ(errorLogLines().size(), 1u);
}

TEST(TypeLoader, RatiosBeyondTheFloatRangeStandAtTheLargestMultiplier) {
    ScratchDir dir;
    dir.write("data/types/wide.xml", "<type><name>Wide</name>"
                                     "<effectiveness ratio=\"1e39\">Huge</effectiveness>"
                                     "<effectiveness ratio=\"-1e39\">Negative</effectiveness>"
                                     "<effectiveness ratio=\"word\">Word</effectiveness>"
                                     "<effectiveness>Unrated</effectiveness>"
                                     "</type>");
    GameParser parser;
    parser.loadTypes("data/types/wide.xml");
    ZelkinType* wide = parser.findType("Wide");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->getEffectivenessEntries().size(), 3u);
    EXPECT_EQ(wide->getMultiplierAgainst("Huge"), std::numeric_limits<float>::max());
    EXPECT_EQ(wide->getMultiplierAgainst("Negative"), -std::numeric_limits<float>::max());
    EXPECT_EQ(wide->getMultiplierAgainst("Word"), 0.0f);
    EXPECT_EQ(wide->getMultiplierAgainst("Unrated"), 1.0f);
    EXPECT_TRUE(errorLogLines().empty());
}

TEST(TypeEffectiveness, AgainstOneAndTwoTypes) {
    ScratchDir dir;
    GameParser parser;
    parser.loadTypes(fixturePath("vocab/types/one.xml"));
    parser.loadTypes(fixturePath("vocab/types/two.xml"));
    ZelkinType* ember = parser.findType("Ember");
    ZelkinType* tide = parser.findType("Tide");
    ZelkinType* sprout = parser.findType("Sprout");
    ZelkinType* spark = parser.findType("Spark");
    ASSERT_TRUE(ember && tide && sprout && spark);

    // The first entry for a defender wins over a later one.
    EXPECT_FLOAT_EQ(ember->getMultiplierAgainst("Sprout"), 2.0f);
    EXPECT_FLOAT_EQ(ember->getMultiplierAgainst("Tide"), 0.5f);
    EXPECT_FLOAT_EQ(ember->getMultiplierAgainst("sprout"), 1.0f);
    EXPECT_FLOAT_EQ(tide->getMultiplierAgainst("Spark"), 0.0f);
    // A type without entries is neutral against everything, itself included.
    EXPECT_FLOAT_EQ(spark->getMultiplierAgainst("Spark"), 1.0f);
    EXPECT_FLOAT_EQ(spark->getMultiplierAgainst("Ember"), 1.0f);

    // Against two types the multipliers of both defenders apply.
    auto dual = [](ZelkinType* attacker, ZelkinType* a, ZelkinType* b) {
        return attacker->getMultiplierAgainst(a->getName()) * attacker->getMultiplierAgainst(b->getName());
    };
    EXPECT_FLOAT_EQ(dual(ember, sprout, spark), 2.0f);
    EXPECT_FLOAT_EQ(dual(ember, sprout, tide), 1.0f);
    EXPECT_FLOAT_EQ(dual(sprout, tide, ember), 1.0f);
    EXPECT_FLOAT_EQ(dual(tide, ember, spark), 0.0f);
    EXPECT_FLOAT_EQ(dual(ember, tide, ember), 0.25f);
}

TEST(ZelkinType, AnimationsByPositionAndNullSafety) {
    ZelkinType type(static_cast<const char*>(nullptr));
    EXPECT_EQ(type.getName(), "");
    EXPECT_EQ(type.getAnimationCount(), 0);
    type.addAnimation(nullptr);
    EXPECT_EQ(type.getAnimationCount(), 0);
    EXPECT_EQ(type.getAnimation(0), nullptr);
    EXPECT_EQ(type.getAnimation(-1), nullptr);
    type.setAuxA(1);
    type.setAuxB(2);
    type.setAuxC(3);
    EXPECT_EQ(type.getAuxA() + type.getAuxB() + type.getAuxC(), 6);
}
