// The loader's progress observer: what a loading screen learns while the constructor is still reading.
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "HubSupport.hpp"
#include "TestSupport.hpp"
#include "rules/GameParser.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/TrainerList.hpp"

namespace {

TEST(TeamBuilderProgress, ObserverSeesEveryStepInOrderWithTheCountsReadSoFar) {
    ScratchDir dir;
    installDataSet(dir, "hub/full/data");
    std::vector<int> steps;
    std::vector<int> typeCounts;
    int trainersAtStepNine = -1;
    TeamBuilder* seenBuilder = nullptr;
    std::unique_ptr<TeamBuilder> builder(new TeamBuilder([&](TeamBuilder& b, int progress) {
        seenBuilder = &b;
        if (steps.empty() || steps.back() != progress) steps.push_back(progress);
        EXPECT_EQ(b.getProgress(), progress);
        if (progress == 2) typeCounts.push_back(b.getParser()->countTypes());
        if (progress == 9) trainersAtStepNine = b.getParser()->getTrainers()->getCount();
    }));
    GameParser* db = builder->getParser();

    EXPECT_EQ(seenBuilder, builder.get());
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100}));
    // Told again after each file, so the types count grows while step 2 runs.
    ASSERT_GE(typeCounts.size(), 2u);
    EXPECT_LT(typeCounts.front(), typeCounts.back());
    EXPECT_EQ(typeCounts.back(), db->countTypes());
    EXPECT_EQ(trainersAtStepNine, db->getTrainers()->getCount());
    EXPECT_GT(trainersAtStepNine, 0);
    builder.reset();
    delete db;
}

} // namespace
