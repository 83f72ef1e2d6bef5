// Move records and the move loader: word tables, script access, defaults and the loader's error lines.
#include <algorithm>
#include <gtest/gtest.h>

#include "TestSupport.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/QXML_Command.hpp"
#include "rules/ZelkinBuffTrigger.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"

namespace {
// A database with the species fixtures' types and subtypes, in a scratch folder so no config is touched.
struct MoveDatabase {
    ScratchDir dir;
    GameParser parser;
    MoveDatabase() {
        parser.loadTypes(fixturePath("species/types.xml"));
        parser.loadSubtypes(fixturePath("species/subtypes.xml"));
        resetErrorLog();
    }
};

ZelkinMove* moveNamed(GameParser& parser, const std::string& name) {
    for (ZelkinMove* move : parser.getMoves())
        if (move->getName() == name) return move;
    return nullptr;
}
} // namespace

TEST(ZelkinMove, CategoryTargetAndDamageWordsAreExact) {
    ZelkinMove physical("A", nullptr, "physique", 10, nullptr);
    ZelkinMove special("B", nullptr, "special", 10, nullptr);
    ZelkinMove capital("C", nullptr, "Physique", 10, nullptr);
    EXPECT_EQ(physical.getCategory(), 1);
    EXPECT_EQ(special.getCategory(), 2);
    EXPECT_EQ(capital.getCategory(), 0);

    physical.setTargetKindFromWord("Enemy");
    EXPECT_EQ(physical.getTargetKind(), 0);
    physical.setTargetKindFromWord("Ennemy");
    EXPECT_EQ(physical.getTargetKind(), 2);
    physical.setTargetKindFromWord("nowhere");
    EXPECT_EQ(physical.getTargetKind(), 2);

    physical.setDamageKindFromWord("RecoilMiss");
    EXPECT_EQ(physical.getDamageKind(), 0);
    physical.setDamageKindFromWord("Recoil Miss");
    EXPECT_EQ(physical.getDamageKind(), 9);
    physical.setDamageKindFromWord("3");
    EXPECT_EQ(physical.getDamageKind(), 9);
}

TEST(ZelkinMove, ScriptsReadSomeValuesAndWriteNone) {
    ZelkinType fire("Feu");
    ZelkinMove move("Braise", &fire, "special", 25, nullptr);
    move.setPower(40);
    EXPECT_FLOAT_EQ(move.getNumber("category"), 2.0f);
    EXPECT_FLOAT_EQ(move.getNumber("pp"), 0.0f);
    move.setVariable("power", 999.0f);
    EXPECT_EQ(move.getPower(), 40);
    EXPECT_EQ(move.getStrings("type"), std::vector<std::string>{"Feu"});
    EXPECT_TRUE(move.getStrings("subtype").empty());
}

TEST(ZelkinMove, AddTriggerNeedsACommandTree) {
    ZelkinMove move("A", nullptr, "physique", 10, nullptr);
    move.addTrigger("AFTER_HIT", nullptr, nullptr, 3);
    EXPECT_TRUE(move.getTriggers().empty());

    move.addTrigger("AFTER_HIT", nullptr, new QXML_Command(), 3);
    move.addTrigger("ON_CALL", "source", new QXML_Command(), -2);
    ASSERT_EQ(move.getTriggers().size(), 2u);
    EXPECT_EQ(move.getTriggers()[0]->getEvent(), 4);
    EXPECT_EQ(move.getTriggers()[0]->getActor(), "");
    EXPECT_EQ(move.getTriggers()[0]->getPriority(), 3);
    EXPECT_EQ(move.getTriggers()[1]->getEvent(), 8);
    EXPECT_EQ(move.getTriggers()[1]->getActor(), "source");
    EXPECT_EQ(move.getTriggers()[1]->getPriority(), -2);
}

TEST(MoveLoader, MinimalMoveTakesTheDefaults) {
    MoveDatabase db;
    db.parser.loadMoves(fixturePath("species/move_kinds.xml"));
    ZelkinMove* move = moveNamed(db.parser, "Minimal");
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->getCategory(), 0);
    EXPECT_EQ(move->getPp(), 10);
    EXPECT_EQ(move->getPrecision(), 100);
    EXPECT_EQ(move->getPower(), 0);
    EXPECT_EQ(move->getHits(), 1);
    EXPECT_EQ(move->getCritical(), 1);
    EXPECT_EQ(move->getPriority(), 0);
    EXPECT_EQ(move->getTargetKind(), 0);
    EXPECT_EQ(move->getDamageKind(), 0);
    EXPECT_EQ(move->getType(), nullptr);
    EXPECT_EQ(move->getSubtype(), nullptr);
    EXPECT_NE(move->getEffect(), nullptr);
    EXPECT_TRUE(move->getTriggers().empty());
    EXPECT_TRUE(move->getTags().empty());
}

TEST(MoveLoader, RejectedMovesAreCountedAndLeaveOnlyTheirLine) {
    MoveDatabase db;
    const std::string file = fixturePath("species/move_kinds.xml");
    db.parser.loadMoves(file);

    // Elements 2 (no effect), 5 (no name) and 6 (no pp) are rejected; the stray <other> is not counted.
    std::vector<std::string> names;
    for (ZelkinMove* move : db.parser.getMoves())
        names.push_back(move->getName());
    EXPECT_EQ(names, (std::vector<std::string>{"Minimal", "Complet", "Critique Texte", "Deluge"}));
    std::vector<std::string> rejections;
    for (const std::string& line : errorLogLines())
        if (line.rfind("ERROR", 0) == 0) rejections.push_back(line);
    const std::string prefix = "ERROR with File " + file + " : Invalid properties from Move element number ";
    EXPECT_EQ(rejections, (std::vector<std::string>{prefix + "2", prefix + "5", prefix + "6"}));
}

TEST(MoveLoader, FullMoveReadsEveryChild) {
    MoveDatabase db;
    const std::string file = fixturePath("species/move_kinds.xml");
    db.parser.loadMoves(file);
    ZelkinMove* move = moveNamed(db.parser, "Complet");
    ASSERT_NE(move, nullptr);
    ASSERT_NE(move->getType(), nullptr);
    EXPECT_EQ(move->getType()->getName(), "Feu");
    ASSERT_NE(move->getSubtype(), nullptr);
    EXPECT_EQ(move->getSubtype()->getName(), "Contact");
    EXPECT_EQ(move->getPower(), 90) << "the first <power> counts";
    EXPECT_EQ(move->getPrecision(), 85);
    EXPECT_EQ(move->getCritical(), 2);
    EXPECT_EQ(move->getHits(), 3) << "hits comes from the value attribute, not the text";
    EXPECT_EQ(move->getPriority(), -1);
    EXPECT_EQ(move->getTargetKind(), 2);
    EXPECT_EQ(move->getDamageKind(), 9);
    EXPECT_EQ(move->getTags(), (std::vector<std::string>{"Contact", "Feu"}));

    // The effect keeps its chance on the root; the IfNot block is dropped with what it holds.
    QXML_Command* effect = move->getEffect();
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->getChance(), "30");
    ASSERT_EQ(effect->countSubCommands(), 2);
    EXPECT_EQ(effect->getSubCommandAt(0)->getOpcode(), 15);
    EXPECT_EQ(effect->getSubCommandAt(1)->getOpcode(), 16);

    // The trigger without when is skipped with a warning; an empty when still counts as present.
    const auto& triggers = move->getTriggers();
    ASSERT_EQ(triggers.size(), 3u);
    EXPECT_EQ(triggers[0]->getEvent(), 4);
    EXPECT_EQ(triggers[0]->getPriority(), 2);
    EXPECT_EQ(triggers[0]->getActor(), "target");
    EXPECT_EQ(triggers[1]->getEvent(), 9);
    EXPECT_EQ(triggers[1]->getPriority(), -1);
    EXPECT_EQ(triggers[1]->getCommands()->getSubCommandAt(0)->getExtraText(), "Fin");
    EXPECT_EQ(triggers[2]->getWhen(), "");
    EXPECT_EQ(triggers[2]->getEvent(), 9);
    EXPECT_EQ(triggers[2]->getPriority(), 0);

    const auto& lines = errorLogLines();
    EXPECT_NE(
        std::find(lines.begin(), lines.end(),
                  "WARNING with File " + file + " : Move Complet : Trigger found with no WHEN attribute"),
        lines.end());
}

TEST(MoveLoader, UnresolvedNamesTextValuesAndHugeHitCountsWarnOrChangeNothing) {
    MoveDatabase db;
    db.parser.loadMoves(fixturePath("species/move_kinds.xml"));
    ZelkinMove* move = moveNamed(db.parser, "Critique Texte");
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->getCritical(), 1) << "critical written as text is not read";
    EXPECT_EQ(move->getHits(), 1);
    EXPECT_EQ(move->getType(), nullptr);
    EXPECT_EQ(move->getSubtype(), nullptr);
    EXPECT_EQ(move->getTargetKind(), 0);
    EXPECT_EQ(move->getDamageKind(), 0);

    const auto& lines = errorLogLines();
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "WARNING with Move Critique Texte : cannot get Type Lumiere"),
        lines.end());
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "WARNING with Move Critique Texte : cannot get Subtype Vol"),
        lines.end());
    // A hit count far beyond any real move is kept at the bound, with a warning.
    EXPECT_EQ(moveNamed(db.parser, "Deluge")->getHits(), 100);
    const std::string file = fixturePath("species/move_kinds.xml");
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "WARNING with File " + file + " : Move Deluge : 1000000 hits, kept at 100"),
              lines.end());
    // Three rejections, one trigger warning, the two name warnings and the hit count: nothing else.
    EXPECT_EQ(lines.size(), 7u);
}

TEST(MoveLoader, BrokenFilesLogOneLineAndAddNothing) {
    MoveDatabase db;
    const std::string broken = fixturePath("species/malformed_moves.xml");
    db.parser.loadMoves(broken);
    db.parser.loadMoves("no/such/moves.xml");
    EXPECT_EQ(db.parser.countMoves(), 0);
    // Only the file that exists but does not parse is reported.
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0].rfind("ERROR with File " + broken + " : ", 0), 0u);

    // Moves of later files still load, after the ones already there.
    db.parser.loadMoves(fixturePath("species/moves.xml"));
    EXPECT_EQ(db.parser.countMoves(), 4);
    EXPECT_EQ(db.parser.findMove("Jet")->getType()->getName(), "Eau");
}
