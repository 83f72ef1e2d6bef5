// Cost of the battle engine and of the bots' look-ahead on the shipped data set: a whole battle, one copy of
// a battle in progress, one look-ahead and one full decision of the simulating bot.
//
// The data set is loaded once, in a scratch copy of the shipped data/ (or in QUORVEX_BENCH_ROOT when set);
// the working folder is put back afterwards, since nothing below reads files. Every draw comes from a seeded
// source re-seeded before each repetition, so each repetition plays exactly the same battle and a profiler
// counts the same work run after run.
#include <benchmark/benchmark.h>
#include <boost/filesystem.hpp>
#include <cstdlib>
#include <random>
#include <string>

#include "battle/BattleInformations.hpp"
#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "battle/GameOrder.hpp"
#include "bench/BenchSupport.hpp"
#include "players/Bot_IA.hpp"
#include "players/Bot_IA_Dummy.hpp"
#include "players/Bot_IA_Simul.hpp"
#include "players/TrainerStats.hpp"
#include "rules/ErrorLog.hpp"
#include "rules/GameParser.hpp"
#include "rules/Game_Options.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Stadium.hpp"
#include "rules/TeamBuilder.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {

namespace fs = boost::filesystem;

constexpr unsigned BATTLE_SEED = 20240611;
constexpr int FRAME_LIMIT = 200000;
// Turns played before the position that the copy, look-ahead and decision benchmarks start from.
constexpr int MIDDLE_TURN = 3;

// Every PseudoRNG draw from one seeded generator while alive.
class SeededDraws {
public:
    explicit SeededDraws(unsigned seed) : generator(seed) {
        installRandomSource(
            [this](int n) { return static_cast<int>(generator() % static_cast<unsigned>(n)); });
    }
    ~SeededDraws() { installRandomSource(nullptr); }
    SeededDraws(const SeededDraws&) = delete;
    SeededDraws& operator=(const SeededDraws&) = delete;

private:
    std::minstd_rand generator;
};

// The loaded database with every rule effect on, the first ruleset and the first stadium.
class ShippedWorld {
public:
    ShippedWorld() {
        fs::path previous = fs::current_path();
        fs::path scratch;
        if (const char* chosen = std::getenv("QUORVEX_BENCH_ROOT")) {
            fs::current_path(chosen);
        } else {
            scratch =
                scratchGameRoot(fs::path(QUORVEX_SOURCE_DIR) / "data", "quorvex-engine-bench-%%%%-%%%%");
            fs::current_path(scratch);
        }
        builder = new TeamBuilder();
        parser = builder->getParser();
        valid = builder->isDataValid() && !parser->getStadiums().empty();
        resetErrorLog();
        boost::system::error_code ec;
        fs::current_path(previous, ec);
        if (!scratch.empty()) fs::remove_all(scratch, ec);
        if (!valid) return;

        options = parser->getOptions();
        if (options->getAbilitiesEffects() == 0) options->toggleAbilitiesEffects();
        if (options->getStadiumsEffects() == 0) options->toggleStadiumsEffects();
        if (options->getRulesetsEffects() == 0) options->toggleRulesetsEffects();
        parser->selectRuleset(0);
        stadium = parser->getStadiums().front();
    }
    ~ShippedWorld() {
        clearDiscardedBuffs();
        delete builder;
        delete parser;
    }
    ShippedWorld(const ShippedWorld&) = delete;
    ShippedWorld& operator=(const ShippedWorld&) = delete;

    // A new battle of three random creatures a side, drawn from the installed source; the caller owns it.
    GameBattleEngine* newBattle() {
        builder->clearUsed();
        GameField* field = new GameField(parser, new BattleInformations(stadium, 0, 0), nullptr);
        for (int side = 0; side < 2; ++side) {
            field->getTeam(side)->setOwner(&trainers[side]);
            for (int i = 0; i < 3; ++i)
                field->getTeam(side)->addMember(builder->createRandomCreature());
        }
        return new GameBattleEngine(field, nullptr, options);
    }

    TeamBuilder* builder = nullptr;
    GameParser* parser = nullptr;
    Game_Options* options = nullptr;
    Stadium* stadium = nullptr;
    bool valid = false;
    TrainerStats trainers[2] = {TrainerStats("Gauche", 0, 0, 0), TrainerStats("Droite", 0, 0, 0)};
};

ShippedWorld& world() {
    static ShippedWorld shipped;
    return shipped;
}

// One frame of the battle screen with two random deciders (on this thread); false once the battle is over.
bool playFrame(GameBattleEngine* engine, Bot_IA_Dummy* deciders[2]) {
    GameField* field = engine->getField();
    int state = field->getState();
    bool idle = field->getActionList().empty() && field->getCurrentAction() == nullptr;
    if (state == GameField::STATE_CLOSED && idle) return false;
    if (state == GameField::STATE_DECIDED && idle) field->endMatch();
    for (int side = 0; side < 2; ++side) {
        if (field->getOpenRequest(side) <= 0) continue;
        deciders[side]->think(engine);
        field->setOrder(side, deciders[side]->cloneOrder());
    }
    engine->step();
    // Nobody reads the messages: go on at once.
    field->setMessageTimer(0);
    return true;
}

// The battle of BATTLE_SEED played up to the start of MIDDLE_TURN, with side 1 asked for a move.
class MiddlePosition {
public:
    MiddlePosition() {
        SeededDraws draws(BATTLE_SEED);
        engine = world().newBattle();
        GameField* field = engine->getField();
        field->startMatch();
        Bot_IA_Dummy left(0);
        Bot_IA_Dummy right(1);
        Bot_IA_Dummy* deciders[2] = {&left, &right};
        for (int frames = 0; frames < FRAME_LIMIT; ++frames) {
            if (field->getTurn() >= MIDDLE_TURN && field->getOpenRequest(0) == 1 &&
                field->getOpenRequest(1) == 1) {
                ready = true;
                break;
            }
            if (!playFrame(engine, deciders)) break;
        }
    }
    ~MiddlePosition() { delete engine; }
    MiddlePosition(const MiddlePosition&) = delete;
    MiddlePosition& operator=(const MiddlePosition&) = delete;

    GameBattleEngine* engine = nullptr;
    bool ready = false;
};

MiddlePosition& middle() {
    static MiddlePosition position;
    return position;
}

bool haveWorld(benchmark::State& state) {
    if (world().valid) return true;
    state.SkipWithError("the shipped data set did not load");
    return false;
}

bool haveMiddle(benchmark::State& state) {
    if (!haveWorld(state)) return false;
    if (middle().ready) return true;
    state.SkipWithError("the battle ended before the middle position");
    return false;
}

// The work of one repetition of each benchmark, kept out of line so that a profiler can single it out
// (valgrind --tool=callgrind --toggle-collect='*playWholeBattle*' quorvex_bench --benchmark_filter=Whole).

// A whole battle between two random deciders, from the match start to the closed field; the frames used.
__attribute__((noinline)) int playWholeBattle(int* turns) {
    SeededDraws draws(BATTLE_SEED);
    GameBattleEngine* engine = world().newBattle();
    engine->getField()->startMatch();
    Bot_IA_Dummy left(0);
    Bot_IA_Dummy right(1);
    Bot_IA_Dummy* deciders[2] = {&left, &right};
    int frames = 0;
    while (frames < FRAME_LIMIT && playFrame(engine, deciders))
        ++frames;
    *turns = engine->getField()->getTurn();
    benchmark::DoNotOptimize(engine->getField()->getResult());
    delete engine;
    clearDiscardedBuffs();
    return frames;
}

// The copy a simulating bot makes of the battle in progress, and its deletion.
__attribute__((noinline)) void cloneOnce(GameBattleEngine* live) {
    GameBattleEngine* copy = live->clone();
    benchmark::DoNotOptimize(copy);
    delete copy;
}

// One look-ahead as the simulating bot plays it: copy, submit the order, play the turn out, evaluate.
__attribute__((noinline)) float lookAheadOnce(GameBattleEngine* live, GameOrder& trial) {
    SeededDraws draws(BATTLE_SEED);
    GameBattleEngine* copy = live->clone();
    copy->submitOrder(1, &trial);
    float value = copy->evaluate(1, 50);
    delete copy;
    clearDiscardedBuffs();
    return value;
}

// One whole decision on the snapshot the participant would hand its thread (made here, on this thread).
__attribute__((noinline)) int decideOnce(GameBattleEngine* live, Bot_IA_Simul& thinker) {
    SeededDraws draws(BATTLE_SEED);
    TrainerStats* owners[2] = {nullptr, nullptr};
    GameBattleEngine* snapshot = Bot_IA::makeSnapshot(live, owners);
    thinker.think(snapshot);
    GameOrder* order = thinker.cloneOrder();
    int kind = order->getKind();
    delete order;
    delete snapshot;
    delete owners[0];
    delete owners[1];
    clearDiscardedBuffs();
    return kind;
}

void BM_WholeBattle(benchmark::State& state) {
    if (!haveWorld(state)) return;
    int frames = 0;
    int turns = 0;
    for (auto _ : state)
        frames = playWholeBattle(&turns);
    state.counters["frames"] = frames;
    state.counters["turns"] = turns;
}
BENCHMARK(BM_WholeBattle)->Unit(benchmark::kMillisecond);

void BM_CloneMidBattle(benchmark::State& state) {
    if (!haveMiddle(state)) return;
    GameBattleEngine* live = middle().engine;
    for (auto _ : state)
        cloneOnce(live);
}
BENCHMARK(BM_CloneMidBattle)->Unit(benchmark::kMicrosecond);

// Side 1 tries its first move.
void BM_LookAhead(benchmark::State& state) {
    if (!haveMiddle(state)) return;
    GameBattleEngine* live = middle().engine;
    GameOrder trial;
    trial.setMove(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(lookAheadOnce(live, trial));
}
BENCHMARK(BM_LookAhead)->Unit(benchmark::kMicrosecond);

// The argument is the level: 1 is the default, 9 the strongest.
void BM_SimulDecision(benchmark::State& state) {
    if (!haveMiddle(state)) return;
    Bot_IA_Simul thinker(1);
    thinker.setLevel(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(decideOnce(middle().engine, thinker));
}
BENCHMARK(BM_SimulDecision)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

} // namespace
