// Trainers: the loader of "data/trainers.xml" and the random pick with its memory of unique trainers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/Trainer.hpp"
#include "rules/TrainerList.hpp"

TEST(TrainerLoader, ReadsEveryValidTrainerAndLogsTheOneWithoutId) {
    ScratchDir dir;
    GameParser parser;
    std::string path = fixturePath("team/trainers.xml");
    parser.loadTrainers(path);
    TrainerList* list = parser.getTrainers();
    ASSERT_EQ(list->getCount(), 3);
    EXPECT_EQ(list->getNonUniqueCount(), 2);
    EXPECT_EQ(list->getAt(0)->getName(), "Lysandre");
    EXPECT_EQ(list->getAt(0)->getId(), 3);
    EXPECT_EQ(list->getAt(0)->getCredo(), "Le feu ne s'eteint jamais.");
    EXPECT_FALSE(list->getAt(0)->isUnique());
    EXPECT_TRUE(list->getAt(1)->isUnique());
    EXPECT_EQ(list->getAt(1)->getCredo(), "");
    EXPECT_EQ(list->getAt(2)->getName(), "Oscar");
    EXPECT_EQ(list->getAt(2)->getId(), 12);
    EXPECT_EQ(list->getAt(3), nullptr);
    ASSERT_EQ(errorLogLines().size(), 1u);
    EXPECT_EQ(errorLogLines()[0],
              "ERROR with File " + path + " : Invalid properties from Trainer element number 3");

    parser.loadTrainers("missing/trainers.xml");
    EXPECT_EQ(list->getCount(), 3);
    EXPECT_EQ(errorLogLines().size(), 1u);
}

TEST(TrainerPick, NonUniquePicksNeverReturnUniqueTrainers) {
    TrainerList list;
    list.add(new Trainer(1, false, "A", ""));
    list.add(new Trainer(2, true, "U", ""));
    list.add(new Trainer(3, false, "B", ""));
    ScriptedRandom draws({0, 1, 1, 0});
    EXPECT_EQ(list.pickRandomTrainer(false)->getName(), "A");
    EXPECT_EQ(list.pickRandomTrainer(false)->getName(), "B");
    EXPECT_EQ(list.pickRandomTrainer(false)->getName(), "B");
    EXPECT_EQ(list.pickRandomTrainer(false)->getName(), "A");
    EXPECT_EQ(list.getRememberedCount(), 0);
}

TEST(TrainerPick, AUniqueTrainerComesBackOnlyAfterClearUsed) {
    TrainerList list;
    list.add(new Trainer(1, false, "A", ""));
    list.add(new Trainer(2, true, "U", ""));
    {
        ScriptedRandom draws({1, 1, 1, 0});
        EXPECT_EQ(list.pickRandomTrainer(true)->getName(), "U");
        EXPECT_TRUE(list.wasUsed(2));
        // U is drawn again three times and refused each time before A comes up.
        EXPECT_EQ(list.pickRandomTrainer(true)->getName(), "A");
        EXPECT_EQ(draws.drawsUsed(), 4);
    }
    list.clearUsed();
    EXPECT_FALSE(list.wasUsed(2));
    ScriptedRandom draws({1});
    EXPECT_EQ(list.pickRandomTrainer(true)->getName(), "U");
}

TEST(TrainerPick, OnlyUniqueEntriesNeverHangAndFallBackToEveryone) {
    ScratchDir dir;
    GameParser parser;
    parser.loadTrainers(fixturePath("team/trainers_unique.xml"));
    TrainerList* list = parser.getTrainers();
    ASSERT_EQ(list->getCount(), 2);
    EXPECT_EQ(list->getNonUniqueCount(), 0);

    // Nobody is eligible without unique trainers: the pick widens to all of them.
    std::set<std::string> seen;
    Trainer* first = list->pickRandomTrainer(false);
    ASSERT_NE(first, nullptr);
    seen.insert(first->getName());
    // Every draw lands on the trainer already met: the pick walks on to the one not met yet.
    ScriptedRandom draws(std::vector<int>(64, first == list->getAt(0) ? 0 : 1));
    Trainer* second = list->pickRandomTrainer(true);
    ASSERT_NE(second, nullptr);
    seen.insert(second->getName());
    EXPECT_EQ(seen, (std::set<std::string>{"Alpha", "Beta"}));
    // Everyone met: a trainer is still handed out.
    EXPECT_NE(list->pickRandomTrainer(true), nullptr);
    EXPECT_NE(list->pickRandomTrainer(false), nullptr);
    EXPECT_EQ(list->getRememberedCount(), 4);

    TrainerList empty;
    EXPECT_EQ(empty.pickRandomTrainer(true), nullptr);
    EXPECT_EQ(empty.pickRandomTrainer(false), nullptr);
}

TEST(TrainerPick, TheMemoryHoldsAtMost128UniqueTrainers) {
    TrainerList list;
    for (int id = 1; id <= 130; ++id)
        list.add(new Trainer(id, true, "T" + std::to_string(id), ""));
    std::vector<int> script;
    for (int i = 0; i < 130; ++i)
        script.push_back(i);
    ScriptedRandom draws(script);
    for (int i = 0; i < 130; ++i)
        EXPECT_EQ(list.pickRandomTrainer(true)->getId(), i + 1);
    EXPECT_EQ(list.getRememberedCount(), 128);
    EXPECT_TRUE(list.wasUsed(128));
    EXPECT_FALSE(list.wasUsed(129));
}
