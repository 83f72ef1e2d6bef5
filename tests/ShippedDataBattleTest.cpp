// Plays whole battles with the shipped data: every arena and every ruleset, random teams, every rule effect
// on.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.hpp"
#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "rules/GameBundle.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Ruleset.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/WindowServices.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinTeam.hpp"

namespace fs = boost::filesystem;

namespace {

// Answers every particle name, so that the species' blood animations load as they do with the window.
class AnyParticle : public WindowServices {
public:
    ParticleDesc* findParticleDesc(std::string) override { return reinterpret_cast<ParticleDesc*>(&token); }
    void loadCreatureImage(std::string, std::string) override {}

private:
    char token = 0;
};

// A participant that plays at random among what the marks allow, switching now and then.
GameOrder* randomOrder(GameField* field, int side, std::mt19937& choices) {
    ZelkinTeam* team = field->getTeam(side);
    std::vector<int> standing;
    for (int i = 0; Zelkin* member = team->getMemberAt(i); ++i)
        if (member->getHp() > 0 && member != team->getActive()) standing.push_back(i);
    GameOrder* order = new GameOrder();
    if (field->getRequest(side) >= 2) {
        if (!standing.empty()) order->setSwitch(standing[choices() % standing.size()]);
        return order;
    }
    std::vector<int> slots;
    for (int slot = 0; slot < 4; ++slot)
        if (team->getMemberMark(slot) >= 1) slots.push_back(slot);
    bool maySwitch = !standing.empty() && team->getMemberMark(4) >= 1;
    if (slots.empty())
        order->setMove(4); // no move left: a slot without a move makes the engine fall back on "Lutte"
    else if (maySwitch && choices() % 10 == 0)
        order->setSwitch(standing[choices() % standing.size()]);
    else
        order->setMove(slots[choices() % slots.size()]);
    return order;
}

} // namespace

TEST(ShippedDataBattle, RandomTeamsFightToTheEndInEveryArenaUnderEveryRuleset) {
    ScratchDir dir;
    copyFolder(fs::path(QUORVEX_SOURCE_DIR) / "data", dir.path / "data");
    AnyParticle window;
    WindowServices* previousWindow = gameBundle->window;
    gameBundle->window = &window;
    TeamBuilder* builder = new TeamBuilder();
    gameBundle->window = previousWindow;
    GameParser* parser = builder->getParser();
    ASSERT_TRUE(builder->isDataValid());

    Game_Options* options = parser->getOptions();
    switchOnEveryRuleEffect(options);

    // Reproducible: the engine's draws and the participants' choices both come from fixed seeds.
    std::mt19937 draws(20240611);
    struct SourceGuard {
        ~SourceGuard() { installRandomSource(nullptr); }
    } guard;
    installRandomSource([&draws](int n) { return static_cast<int>(draws() % static_cast<unsigned>(n)); });
    std::mt19937 choices(7);

    std::set<int> results;
    int battles = 0;
    for (int r = 0; r < parser->countRulesets(); ++r) {
        parser->selectRuleset(r);
        for (Stadium* stadium : parser->getStadiums()) {
            builder->clearUsed();
            GameField* field = new GameField(parser, new BattleInformations(stadium, 0, 0), nullptr);
            for (int side = 0; side < 2; ++side)
                for (int i = 0; i < 3; ++i)
                    field->getTeam(side)->addMember(builder->createRandomCreature());
            GameBattleEngine* engine = new GameBattleEngine(field, nullptr, options);
            field->startMatch();
            bool closed = false;
            for (int frame = 0; frame < 20000 && !closed; ++frame) {
                int state = field->getState();
                bool idle = field->getActionList().empty() && field->getCurrentAction() == nullptr;
                if (state == GameField::STATE_CLOSED && idle) closed = true;
                if (closed) break;
                if (state == GameField::STATE_DECIDED && idle) field->endMatch();
                for (int side = 0; side < 2; ++side)
                    if (field->getOpenRequest(side) > 0)
                        field->setOrder(side, randomOrder(field, side, choices));
                engine->step();
                field->setMessageTimer(0); // nobody reads the messages: go on at once
            }
            EXPECT_TRUE(closed) << parser->getRulesetAt(r)->getName() << " / " << stadium->getName()
                                << ": the battle did not end";
            results.insert(field->getResult());
            ++battles;
            delete engine;
        }
    }
    clearDiscardedBuffs();
    EXPECT_EQ(battles, parser->countRulesets() * parser->countStadiums());
    EXPECT_FALSE(results.count(0)) << "every battle has a result";
    delete builder;
    delete parser;
}
