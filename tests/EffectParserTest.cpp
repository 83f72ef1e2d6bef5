// The rule vocabulary: event and opcode tables, command trees read from data, triggers and animations.
#include <gtest/gtest.h>
#include <set>
#include <tinyxml2.h>

#include "TestSupport.hpp"
#include "rules/Animation.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/CommandOpcodes.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/WindowServices.hpp"
#include "rules/ZelkinBuffTrigger.hpp"

namespace {

// A window that knows two particle descriptions by name; the pointers are never dereferenced.
class FakeWindow : public WindowServices {
public:
    ParticleDesc* findParticleDesc(std::string name) override {
        if (name == "sparks") return reinterpret_cast<ParticleDesc*>(&storage[0]);
        if (name == "smoke") return reinterpret_cast<ParticleDesc*>(&storage[1]);
        return nullptr;
    }
    void loadCreatureImage(std::string, std::string) override {}
    char storage[2] = {0, 0};
};

// Installs a window in the bundle for its scope.
struct InstalledWindow {
    explicit InstalledWindow(WindowServices* window) : previous(gameBundle->window) {
        gameBundle->window = window;
    }
    ~InstalledWindow() { gameBundle->window = previous; }
    WindowServices* previous;
};

tinyxml2::XMLElement* parseElement(tinyxml2::XMLDocument& doc, const char* xml) {
    doc.Parse(xml);
    return doc.FirstChildElement();
}

} // namespace

TEST(BattleEvents, EveryWordGivesItsFixedNumber) {
    const std::pair<const char*, int> expected[] = {
        {"BEFORE_MOVE", 1},
        {"MOVE_DECLARE", 2},
        {"DMG_CALC", 3},
        {"AFTER_HIT", 4},
        {"AFTER_MOVE", 5},
        {"BEFORE_SWITCH", 6},
        {"DURING_SWITCH", 7},
        {"ON_CALL", 8},
        {"AFTER_SWITCH", 8},
        {"END_TURN", 9},
        {"BEFORE_ADD", 10},
        {"CHECK_STAT_ATT", 11},
        {"CHECK_STAT_DEF", 12},
        {"CHECK_STAT_SPEED", 13},
        {"CHECK_STAT_SPE_ATT", 14},
        {"CHECK_STAT_SPE_DEF", 15},
        {"CHECK_STAT_CRIT", 16},
        {"CHECK_STAT_PRE", 17},
        {"CHECK_STAT_EVA", 18},
        {"CHECK_BEFORE_DMG", 19},
        {"CHECK_BEFORE_HEAL", 20},
        {"CHECK_BEFORE_ADD_BUFF", 21},
        {"CHECK_BEFORE_ADD_STATUT", 22},
        {"CHECK_EFFECTIVENESS", 23},
        {"CHECK_IMMUNITY", 24},
        {"START_MATCH", 25},
        {"PREP_NEW_TURN", 26},
        {"CHECK_MOVE_ORDER", 27},
        {"CHECK_CHANGE_ORDER", 28},
        {"BEFORE_DMG_CALC", 29},
        {"MOVE_MISS", 30},
        {"BEFORE_CHANGE_STAT", 31},
        {"BUFF_VALUE", 32},
        {"ALL", 99},
    };
    ASSERT_EQ(sizeof(expected) / sizeof(expected[0]), static_cast<size_t>(BATTLE_EVENT_WORD_COUNT));
    std::set<std::string> words;
    for (const auto& [word, number] : expected) {
        EXPECT_EQ(battleEventFromWord(word), number) << word;
        ZelkinBuffTrigger trigger(word, new QXML_Command());
        EXPECT_EQ(trigger.getEvent(), number) << word;
    }
    for (const BattleEventWord& row : BATTLE_EVENT_WORDS)
        words.insert(row.word);
    EXPECT_EQ(words.size(), static_cast<size_t>(BATTLE_EVENT_WORD_COUNT));
    // Anything else waits for the end of the turn.
    EXPECT_EQ(battleEventFromWord("on_call"), 9);
    EXPECT_EQ(battleEventFromWord(""), 9);
    EXPECT_EQ(battleEventFromWord("BEFORE_MOVE "), 9);
    EXPECT_EQ(battleEventWord(8), "ON_CALL");
    EXPECT_EQ(battleEventWord(0), "");
}

TEST(CommandOpcodes, EveryNameGivesItsOpcodeAndTheTableAgrees) {
    const char* expected[] = {"DisplayMessage",
                              "SubEffect",
                              "SetVariable",
                              "AddBuff",
                              "RemoveBuff",
                              "AddStatut",
                              "RemoveStatut",
                              "ModifyStat",
                              "AdditionVariable",
                              "SubstractVariable",
                              "MultiplyVariable",
                              "DivideVariable",
                              "NumberCompare",
                              "StringCompare",
                              "EndEffect",
                              "Damage",
                              "Heal",
                              "AddEvent",
                              "Die",
                              "Cancel",
                              "AddGlobal",
                              "RemoveGlobal",
                              "EffectivenessCheck",
                              "ImmunityCheck",
                              "ForceChange",
                              "PrepareChange",
                              "AddType",
                              "RemoveType",
                              "ChangeType",
                              "ChangeAbility",
                              "QuickMove",
                              "DropActualMove",
                              "SetPowerSwitch",
                              "ModuloVariable",
                              "LockMove",
                              "SelfAnim"};
    ASSERT_EQ(sizeof(expected) / sizeof(expected[0]), static_cast<size_t>(COMMAND_OPCODE_COUNT));
    std::set<std::string> names;
    for (int opcode = 0; opcode < COMMAND_OPCODE_COUNT; ++opcode) {
        EXPECT_EQ(commandOpcodeFromName(expected[opcode]), opcode) << expected[opcode];
        QXML_Command command;
        command.opcode = 7;
        command.setTypeFromName(expected[opcode]);
        EXPECT_EQ(command.opcode, opcode) << expected[opcode];
        names.insert(COMMAND_OPCODE_NAMES[opcode]);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(COMMAND_OPCODE_COUNT));
    // A name that is no command leaves the opcode alone.
    QXML_Command command;
    command.opcode = 15;
    command.setTypeFromName("damage");
    EXPECT_EQ(command.opcode, 15);
    EXPECT_EQ(commandOpcodeName(36), "");
}

TEST(EffectParser, ReadsACommandTreeNodeByNode) {
    ScratchDir dir;
    GameParser parser;
    tinyxml2::XMLDocument doc;
    ASSERT_EQ(doc.LoadFile(fixturePath("vocab/effects.xml").c_str()), tinyxml2::XML_SUCCESS);
    tinyxml2::XMLElement* trigger = doc.FirstChildElement("ability")->FirstChildElement("trigger");
    QXML_Command* root = parser.parseEffect(trigger);
    ASSERT_NE(root, nullptr);

    // The trigger element itself is the root: a plain container keeping the attributes written on it.
    EXPECT_EQ(root->opcode, CMD_DISPLAY_MESSAGE);
    EXPECT_EQ(root->chance, "50");
    EXPECT_EQ(root->getValue(), "7");
    EXPECT_EQ(root->getNameText(), "root");
    EXPECT_EQ(root->reason, "why");
    EXPECT_EQ(root->target, -1);
    ASSERT_EQ(root->countSubCommands(), 6); // the IfNot block is gone, its siblings stay

    QXML_Command* addBuff = root->getSubCommandAt(0);
    EXPECT_EQ(addBuff->opcode, CMD_ADD_BUFF);
    EXPECT_EQ(addBuff->getNameText(), "Burn");
    EXPECT_EQ(addBuff->getRound(), "3"); // duration, not the round attribute
    EXPECT_EQ(addBuff->chance, "");
    EXPECT_EQ(addBuff->getExtraText(), "[TARGET] smoulders.");
    EXPECT_EQ(addBuff->getSubCommands(), nullptr);

    QXML_Command* sub = root->getSubCommandAt(1);
    EXPECT_EQ(sub->opcode, CMD_SUB_EFFECT);
    EXPECT_EQ(sub->chance, "30");
    EXPECT_EQ(sub->getRound(), "");
    ASSERT_EQ(sub->countSubCommands(), 1);
    QXML_Command* block = sub->getSubCommandAt(0);
    EXPECT_EQ(block->opcode, CMD_DISPLAY_MESSAGE);
    ASSERT_EQ(block->countSubCommands(), 2);
    EXPECT_EQ(block->getSubCommandAt(0)->opcode, CMD_DAMAGE);
    EXPECT_EQ(block->getSubCommandAt(0)->getValue(), "10");
    EXPECT_EQ(block->getSubCommandAt(0)->target, 1);
    EXPECT_EQ(block->getSubCommandAt(1)->opcode, CMD_HEAL);
    EXPECT_EQ(block->getSubCommandAt(1)->target, 0);
    EXPECT_EQ(block->getSubCommandAt(1)->getRound(), "");

    // A message first means the element's commands are never read.
    QXML_Command* message = root->getSubCommandAt(2);
    EXPECT_EQ(message->opcode, CMD_DISPLAY_MESSAGE);
    EXPECT_EQ(message->getExtraText(), "[SOURCE] is pleased.");
    EXPECT_EQ(message->getSubCommands(), nullptr);

    QXML_Command* event = root->getSubCommandAt(3);
    EXPECT_EQ(event->opcode, CMD_ADD_EVENT);
    EXPECT_EQ(event->getNameText(), "later");
    ASSERT_EQ(event->countSubCommands(), 1);
    QXML_Command* queued = event->getSubCommandAt(0);
    ASSERT_EQ(queued->countSubCommands(), 2);
    EXPECT_EQ(queued->getSubCommandAt(0)->opcode, CMD_SET_VARIABLE);
    EXPECT_EQ(queued->getSubCommandAt(0)->getRound(), "down");
    QXML_Command* compare = queued->getSubCommandAt(1);
    EXPECT_EQ(compare->opcode, CMD_NUMBER_COMPARE);
    EXPECT_EQ(compare->getRound(), ">");
    EXPECT_EQ(compare->target, -1);
    ASSERT_EQ(compare->countSubCommands(), 2);
    EXPECT_EQ(compare->getSubCommandAt(0)->opcode, CMD_REMOVE_BUFF);
    EXPECT_EQ(compare->getSubCommandAt(0)->getRound(), "fire");
    EXPECT_EQ(compare->getSubCommandAt(1)->opcode, CMD_DISPLAY_MESSAGE);
    EXPECT_EQ(compare->getSubCommandAt(1)->getExtraText(), "Unknown words stay a message.");

    QXML_Command* status = root->getSubCommandAt(4);
    EXPECT_EQ(status->opcode, CMD_ADD_STATUT);
    EXPECT_EQ(status->getRound(), ""); // an empty duration keeps the default

    QXML_Command* modulo = root->getSubCommandAt(5);
    EXPECT_EQ(modulo->opcode, CMD_MODULO_VARIABLE);
    EXPECT_EQ(modulo->getRound(), "up");

    // Everything read was taken out of the document.
    EXPECT_EQ(trigger->FirstChildElement(), nullptr);
    delete root;
}

TEST(EffectParser, IfNotYieldsNothingAndAnEmptyElementAnEmptyContainer) {
    ScratchDir dir;
    GameParser parser;
    tinyxml2::XMLDocument doc;
    EXPECT_EQ(parser.parseEffect(parseElement(doc, "<IfNot><Damage value=\"1\"/></IfNot>")), nullptr);
    EXPECT_EQ(parser.parseEffect(nullptr), nullptr);

    tinyxml2::XMLDocument other;
    QXML_Command* empty = parser.parseEffect(parseElement(other, "<trigger when=\"END_TURN\"/>"));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->opcode, 0);
    EXPECT_EQ(empty->getSubCommands(), nullptr);
    EXPECT_EQ(empty->getExtraText(), "");
    delete empty;
}

TEST(Trigger, ActorMatchingAndPriority) {
    ZelkinBuffTrigger plain("END_TURN", new QXML_Command());
    ZelkinBuffTrigger source("BEFORE_MOVE", "source", new QXML_Command());
    ZelkinBuffTrigger target("BEFORE_MOVE", "TARGET", new QXML_Command());
    ZelkinBuffTrigger mixed("BEFORE_MOVE", "Target", new QXML_Command());

    for (ZelkinBuffTrigger* trigger : {&plain, &source, &target, &mixed})
        EXPECT_TRUE(trigger->matchesActor(-1));
    EXPECT_FALSE(plain.matchesActor(0));
    EXPECT_FALSE(plain.matchesActor(1));
    EXPECT_TRUE(source.matchesActor(0));
    EXPECT_FALSE(source.matchesActor(1));
    EXPECT_TRUE(target.matchesActor(1));
    EXPECT_FALSE(target.matchesActor(0));
    EXPECT_FALSE(mixed.matchesActor(0));
    EXPECT_FALSE(mixed.matchesActor(1));
    EXPECT_FALSE(source.matchesActor(2));

    EXPECT_EQ(plain.getPriority(), 0);
    EXPECT_EQ(plain.getActor(), "");
    EXPECT_EQ(source.getWhen(), "BEFORE_MOVE");
    source.setPriority(-4);
    EXPECT_EQ(source.getPriority(), -4);
}

TEST(Animation, ReadsAttributesAndNeedsAKnownParticleDescription) {
    ScratchDir dir;
    GameParser parser;
    tinyxml2::XMLDocument doc;
    // With no window there is nothing to look the name up in.
    EXPECT_EQ(parser.parseAnimation(parseElement(doc, "<animation>sparks</animation>")), nullptr);

    FakeWindow window;
    InstalledWindow installed(&window);
    tinyxml2::XMLDocument a, b, c, d;
    Animation* defaults = parser.parseAnimation(parseElement(a, "<animation>sparks</animation>"));
    ASSERT_NE(defaults, nullptr);
    EXPECT_EQ(defaults->getParticleDesc(), window.findParticleDesc("sparks"));
    EXPECT_EQ(defaults->getCategory(), 0);
    EXPECT_EQ(defaults->getMode(), 0);
    EXPECT_EQ(defaults->getForce(), 10);

    Animation* set = parser.parseAnimation(
        parseElement(b, "<animation category=\"2\" mode=\"-1\" force=\"99999999999\">smoke</animation>"));
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->getParticleDesc(), window.findParticleDesc("smoke"));
    EXPECT_EQ(set->getCategory(), 2);
    EXPECT_EQ(set->getMode(), -1);
    EXPECT_EQ(set->getForce(), 2147483647);

    EXPECT_EQ(parser.parseAnimation(parseElement(c, "<animation>Sparks</animation>")), nullptr);
    EXPECT_EQ(parser.parseAnimation(parseElement(d, "<animation force=\"3\"/>")), nullptr);
    delete defaults;
    delete set;
}
