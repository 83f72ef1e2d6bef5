// Buff and ability definitions read from their folders, live buffs, and the per-thread discarded list.
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <tinyxml2.h>

#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/Platform.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

namespace {
// Counts its own destructions, to see what a thread's end frees.
std::atomic<int> destroyedBuffs{0};
class CountedBuff : public ZelkinBuff {
public:
    using ZelkinBuff::ZelkinBuff;
    ~CountedBuff() override { ++destroyedBuffs; }
};

std::string malformedText(const std::string& path) {
    tinyxml2::XMLDocument doc;
    doc.LoadFile(path.c_str());
    return doc.ErrorStr();
}
} // namespace

TEST(AbilityLoader, ReadsEveryRecordAndReportsTheBadOnes) {
    ScratchDir dir;
    GameParser parser;
    for (const std::string& file : listXmlFiles(fixturePath("vocab/abilities")))
        parser.loadAbilities(file);
    const std::string first = fixturePath("vocab/abilities/a_first.xml");

    EXPECT_EQ(
        errorLogLines(),
        (std::vector<std::string>{
            "WARNING with File " + first + " : Abilitie Sturdy Shell : Trigger found with no WHEN attribute",
            "ERROR with File " + first + " : Invalid properties from Abilitie element number 3",
        }));
    ASSERT_EQ(parser.countAbilities(), 4);
    ZelkinBuffData* shell = parser.findAbility("Sturdy Shell");
    ASSERT_EQ(shell, parser.getAbilities()[0]);
    EXPECT_EQ(shell->kind, ZelkinBuffData::KIND_ABILITY);
    EXPECT_EQ(shell->nature, ZelkinBuffData::NATURE_POSITIVE); // the second category is not read
    EXPECT_EQ(shell->botValue, 12);
    // Abilities have no team flag, spot or status.
    EXPECT_FALSE(shell->teamBuff);
    EXPECT_EQ(shell->spot, "");
    EXPECT_EQ(shell->statusCode, "");
    EXPECT_EQ(shell->tags, (std::vector<std::string>{"shell", "guard"}));
    EXPECT_TRUE(shell->hasTag("guard"));
    EXPECT_FALSE(shell->hasTag("Guard"));

    ASSERT_EQ(shell->triggers.size(), 4u);
    EXPECT_EQ(shell->triggers[0]->getEvent(), 19);
    EXPECT_EQ(shell->triggers[0]->getPriority(), 2); // 2.9 truncates toward zero
    EXPECT_EQ(shell->triggers[0]->getCommands()->getSubCommandAt(0)->opcode, 19);
    EXPECT_EQ(shell->triggers[1]->getPriority(), -1); // and so does -1.5
    EXPECT_EQ(shell->triggers[1]->getActor(), "source");
    EXPECT_TRUE(shell->triggers[1]->matchesActor(0));
    EXPECT_EQ(shell->triggers[2]->getWhen(), "AFTER_SWITCH");
    EXPECT_EQ(shell->triggers[3]->getEvent(), 99);

    std::vector<ZelkinBuffTrigger*> called = shell->getTriggersFor(8);
    EXPECT_EQ(called, (std::vector<ZelkinBuffTrigger*>{shell->triggers[1], shell->triggers[2]}));
    EXPECT_EQ(shell->getTriggersFor(99).size(), 1u);
    EXPECT_TRUE(shell->getTriggersFor(9).empty());

    ZelkinBuffData* quiet = parser.getAbilities()[1];
    EXPECT_EQ(quiet->name, "Quiet");
    EXPECT_EQ(quiet->nature, 0); // an unknown nature word
    EXPECT_EQ(quiet->botValue, 0);
    EXPECT_TRUE(quiet->triggers.empty());

    // An empty name is a name; an absurd bot value clamps.
    ZelkinBuffData* unnamed = parser.getAbilities()[2];
    EXPECT_EQ(unnamed->name, "");
    EXPECT_EQ(unnamed->botValue, 2147483647);

    // The second file continues the list, and ids keep the load order.
    ZelkinBuffData* late = parser.getAbilities()[3];
    EXPECT_EQ(late->name, "Late Bloomer");
    EXPECT_EQ(late->nature, ZelkinBuffData::NATURE_NEUTRAL);
    EXPECT_EQ(quiet->id, shell->id + 1);
    EXPECT_EQ(late->id, shell->id + 3);
}

TEST(BuffLoader, ReadsStatusesTeamBuffsAndSkipsAnUnparsableFile) {
    ScratchDir dir;
    GameParser parser;
    parser.loadAbilities(fixturePath("vocab/abilities/b_second.xml"));
    for (const std::string& file : listXmlFiles(fixturePath("vocab/buffs")))
        parser.loadBuffs(file);
    const std::string broken = fixturePath("vocab/buffs/broken.xml");
    const std::string statuses = fixturePath("vocab/buffs/statuses.xml");

    std::string parseError = malformedText(broken);
    ASSERT_FALSE(parseError.empty());
    EXPECT_EQ(errorLogLines(),
              (std::vector<std::string>{
                  "ERROR with File " + broken + " : " + parseError,
                  "ERROR with File " + statuses + " : Invalid properties from Buff element number 2",
                  "WARNING with File " + statuses + " : Buff Rallied : Trigger found with no WHEN attribute",
              }));
    ASSERT_EQ(parser.countBuffs(), 3);
    EXPECT_EQ(parser.findBuff("Never Read"), nullptr);

    ZelkinBuffData* sleeping = parser.findBuff("Sleeping");
    ASSERT_NE(sleeping, nullptr);
    EXPECT_EQ(sleeping->kind, ZelkinBuffData::KIND_PRIMARY_STATUS);
    EXPECT_EQ(sleeping->statusCode, "SLP");
    EXPECT_EQ(sleeping->nature, ZelkinBuffData::NATURE_NEGATIVE);
    EXPECT_FALSE(sleeping->teamBuff);
    ASSERT_EQ(sleeping->triggers.size(), 1u);
    EXPECT_EQ(sleeping->triggers[0]->getPriority(), 5);
    EXPECT_EQ(sleeping->triggers[0]->getCommands()->getSubCommandAt(0)->reason, "asleep");
    // Abilities load before buffs, so every ability id is below every buff id.
    EXPECT_LT(parser.findAbility("Late Bloomer")->id, sleeping->id);

    ZelkinBuffData* rallied = parser.findBuff("Rallied");
    EXPECT_TRUE(rallied->teamBuff);
    EXPECT_EQ(rallied->spot, "banner");
    EXPECT_EQ(rallied->statusCode, "R");
    EXPECT_EQ(rallied->triggers.size(), 1u);
    EXPECT_EQ(rallied->id, sleeping->id + 1); // the nameless record took no id

    ZelkinBuffData* plain = parser.findBuff("Plain");
    EXPECT_EQ(plain->kind, ZelkinBuffData::KIND_PRIMARY_STATUS);
    EXPECT_EQ(plain->statusCode, "");
}

TEST(BuffLoader, AMissingFileLoadsNothingAndSaysNothing) {
    ScratchDir dir;
    GameParser parser;
    parser.loadBuffs("data/buffs/absent.xml");
    dir.write("data/buffs/empty.xml", "");
    parser.loadBuffs("data/buffs/empty.xml");
    EXPECT_EQ(parser.countBuffs(), 0);
    // An empty file is a broken one: it is reported, not silently dropped.
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0].rfind("ERROR with File data/buffs/empty.xml : ", 0), 0u);
}

TEST(BuffData, AddTriggerNeedsATreeAndUnknownNaturesChangeNothing) {
    ZelkinBuffData data("Focus");
    data.addTrigger("END_TURN", "", nullptr, 3);
    EXPECT_TRUE(data.triggers.empty());
    data.addTrigger("END_TURN", "target", new QXML_Command(), 3);
    ASSERT_EQ(data.triggers.size(), 1u);
    EXPECT_EQ(data.triggers[0]->getPriority(), 3);
    EXPECT_TRUE(data.triggers[0]->matchesActor(1));
    data.setNatureFromWord("Neutral");
    data.setNatureFromWord("positive");
    EXPECT_EQ(data.nature, ZelkinBuffData::NATURE_NEUTRAL);
    EXPECT_EQ(data.getAnimation(0), nullptr);
    EXPECT_EQ(data.getAnimation(-1), nullptr);
    ZelkinBuffData later(nullptr);
    EXPECT_EQ(later.name, "");
    EXPECT_EQ(later.id, data.id + 1);
}

TEST(LiveBuff, CountsDownAndDiesOnce) {
    ZelkinBuffData data("Haste");
    ZelkinBuff lasting(&data, 4);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lasting.tickDuration(), 0);
    EXPECT_TRUE(lasting.isAlive());

    ZelkinBuff timed(&data, 4);
    timed.setDuration(2);
    EXPECT_EQ(timed.tickDuration(), 1);
    EXPECT_TRUE(timed.isAlive());
    EXPECT_EQ(timed.tickDuration(), 0);
    EXPECT_FALSE(timed.isAlive());
    timed.revive();
    EXPECT_EQ(timed.tickDuration(), 0);
    EXPECT_TRUE(timed.isAlive());
}

TEST(LiveBuff, ScriptReadsAndWritesByName) {
    ZelkinBuffData data("Charge");
    data.tags = {"electric", "stacking"};
    ZelkinBuff buff(&data, 3);
    buff.setDuration(4);
    EXPECT_EQ(buff.getVariable("value"), 3.0f);
    EXPECT_EQ(buff.getVariable("duration"), 4.0f);
    EXPECT_EQ(buff.getVariable("alive"), 1.0f);
    EXPECT_EQ(buff.getVariable("Value"), 0.0f);

    buff.setVariable("duration", 2.9f);
    EXPECT_EQ(buff.getDuration(), 2);
    buff.setVariable("duration", -0.5f);
    EXPECT_EQ(buff.getDuration(), 0);
    EXPECT_TRUE(buff.isAlive());
    buff.setVariable("value", -7.8f);
    EXPECT_EQ(buff.getValue(), -7);
    buff.setVariable("value", 1e20f);
    EXPECT_EQ(buff.getValue(), 2147483647);
    buff.setVariable("value", std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(buff.getValue(), 0);
    buff.setVariable("other", 5.0f);
    EXPECT_EQ(buff.getValue(), 0);

    buff.setVariable("alive", std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(buff.isAlive());
    buff.setVariable("alive", 0.0f);
    EXPECT_FALSE(buff.isAlive());
    EXPECT_EQ(buff.getVariable("alive"), 0.0f);
    buff.setVariable("alive", 1.0f); // a script cannot revive
    EXPECT_FALSE(buff.isAlive());

    EXPECT_EQ(buff.getStrings("tag"), data.tags);
    EXPECT_EQ(buff.getStrings("name"), std::vector<std::string>{"Charge"});
    EXPECT_TRUE(buff.getStrings("tags").empty());
    ZelkinBuffData bare("Bare");
    EXPECT_TRUE(ZelkinBuff(&bare, 0).getStrings("tag").empty());

    buff.setExtraInts(5, 6);
    EXPECT_EQ(buff.getExtraA(), 5);
    EXPECT_EQ(buff.getExtraB(), 6);
    EXPECT_EQ(buff.getExtraC(), 0);
    EXPECT_EQ(buff.getDefinition(), &data);
}

TEST(LiveBuff, EachThreadHasItsOwnDiscardedList) {
    ZelkinBuffData data("Temporary");
    clearDiscardedBuffs();
    discardedBuffs().push_back(new ZelkinBuff(&data, 1));
    std::vector<ZelkinBuff*>* mainList = &discardedBuffs();

    std::vector<ZelkinBuff*>* workerList = nullptr;
    size_t workerSizeAtStart = 99;
    destroyedBuffs = 0;
    std::thread worker([&] {
        workerList = &discardedBuffs();
        workerSizeAtStart = discardedBuffs().size();
        // Left on the list on purpose: the thread's end frees them.
        discardedBuffs().push_back(new CountedBuff(&data, 2));
        discardedBuffs().push_back(new CountedBuff(&data, 3));
    });
    worker.join();
    EXPECT_EQ(destroyedBuffs, 2);

    EXPECT_NE(workerList, mainList);
    EXPECT_EQ(workerSizeAtStart, 0u);
    ASSERT_EQ(discardedBuffs().size(), 1u);
    EXPECT_EQ(discardedBuffs()[0]->getValue(), 1);
    clearDiscardedBuffs();
    EXPECT_TRUE(discardedBuffs().empty());
}

TEST(BuffBattleDesc, TextStaysValidWithTheRecord) {
    std::vector<ZelkinBuffBattleDesc> lines;
    lines.emplace_back("Burned (3)", 2);
    ZelkinBuffBattleDesc copy = lines[0];
    const std::string& text = copy.getText();
    lines.clear();
    EXPECT_EQ(text, "Burned (3)");
    EXPECT_EQ(copy.getColor(), 2);
}
