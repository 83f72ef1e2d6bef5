// Cost of the battle engine and of the bots' look-ahead on the shipped data set, six creatures a side: a
// whole battle (with seeded draws, and with the operating system's draws), one copy of a battle in progress,
// one look-ahead and one full decision of the simulating bot over several positions.
//
// The data set is loaded once, in a scratch copy of the shipped data/ (or in QUORVEX_BENCH_ROOT when set);
// the working folder is put back afterwards, since nothing below reads files. The teams are drawn outside the
// timed part. Every draw comes from a seeded source re-seeded before each repetition, so each repetition
// plays exactly the same battle and a profiler counts the same work run after run: the instructions of one
// battle are the inclusive cost of playWholeBattle divided by its calls in
//   QUORVEX_BENCH_ITERATIONS=5 valgrind --tool=callgrind --toggle-collect='*playWholeBattle*'
//     build-rel/quorvex_bench --benchmark_filter='^BM_WholeBattle(/|$)'
// (decideOnce for the decisions, with a multiple of the number of positions as the count).
#include <algorithm>
#include <benchmark/benchmark.h>
#include <boost/filesystem.hpp>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

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
constexpr int TEAM_SIZE = 6;
// Turns played before the position that the copy and look-ahead benchmarks start from.
constexpr int MIDDLE_TURN = 3;
// The positions of the decision benchmark: these turns of the battles of these seeds.
constexpr int DECISION_TURNS[] = {1, 3, 5};
constexpr unsigned DECISION_SEEDS[] = {BATTLE_SEED, BATTLE_SEED + 1, BATTLE_SEED + 2};

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

    // A new battle of six random creatures a side, drawn from the installed source; the caller owns it.
    GameBattleEngine* newBattle() {
        builder->clearUsed();
        GameField* field = new GameField(parser, new BattleInformations(stadium, 0, 0), nullptr);
        for (int side = 0; side < 2; ++side) {
            field->getTeam(side)->setOwner(&trainers[side]);
            for (int i = 0; i < TEAM_SIZE; ++i)
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

// The battle of a seed played up to the start of a turn, with both sides asked for a move.
class BattlePosition {
public:
    BattlePosition(unsigned seed, int turn) {
        SeededDraws draws(seed);
        engine = world().newBattle();
        GameField* field = engine->getField();
        field->startMatch();
        Bot_IA_Dummy left(0);
        Bot_IA_Dummy right(1);
        Bot_IA_Dummy* deciders[2] = {&left, &right};
        for (int frames = 0; frames < FRAME_LIMIT; ++frames) {
            if (field->getTurn() >= turn && field->getOpenRequest(0) == 1 && field->getOpenRequest(1) == 1) {
                ready = true;
                break;
            }
            if (!playFrame(engine, deciders)) break;
        }
    }
    ~BattlePosition() { delete engine; }
    BattlePosition(const BattlePosition&) = delete;
    BattlePosition& operator=(const BattlePosition&) = delete;

    GameBattleEngine* engine = nullptr;
    bool ready = false;
};

BattlePosition& middle() {
    static BattlePosition position(BATTLE_SEED, MIDDLE_TURN);
    return position;
}

// Every position of the decision benchmark that its battle reached.
std::vector<GameBattleEngine*>& decisionPositions() {
    static std::vector<std::unique_ptr<BattlePosition>> kept;
    static std::vector<GameBattleEngine*> reached;
    if (kept.empty()) {
        for (unsigned seed : DECISION_SEEDS) {
            for (int turn : DECISION_TURNS) {
                kept.push_back(std::make_unique<BattlePosition>(seed, turn));
                if (kept.back()->ready) reached.push_back(kept.back()->engine);
            }
        }
    }
    return reached;
}

// QUORVEX_BENCH_ITERATIONS=n runs each benchmark exactly n times, for a profiler's instruction counts.
void iterationsFromEnvironment(benchmark::internal::Benchmark* benchmark) {
    if (const char* count = std::getenv("QUORVEX_BENCH_ITERATIONS"))
        benchmark->Iterations(std::max(1, std::atoi(count)));
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

// The work of one repetition of each benchmark, kept out of line so that a profiler can single it out.

// A whole battle between two random deciders, from the match start to the closed field; the frames used.
__attribute__((noinline)) int playWholeBattle(GameBattleEngine* engine, int* turns) {
    engine->getField()->startMatch();
    Bot_IA_Dummy left(0);
    Bot_IA_Dummy right(1);
    Bot_IA_Dummy* deciders[2] = {&left, &right};
    int frames = 0;
    while (frames < FRAME_LIMIT && playFrame(engine, deciders))
        ++frames;
    *turns = engine->getField()->getTurn();
    benchmark::DoNotOptimize(engine->getField()->getResult());
    return frames;
}

void finishBattle(GameBattleEngine* engine) {
    delete engine;
    clearDiscardedBuffs();
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

// The battle of BATTLE_SEED: teams and draws from the seeded source (osDraws false), or teams from the seeded
// source and the battle's draws from the operating system (osDraws true). Team creation and deletion are
// not timed.
void wholeBattles(benchmark::State& state, bool osDraws) {
    if (!haveWorld(state)) return;
    int frames = 0;
    int turns = 0;
    std::unique_ptr<SeededDraws> draws;
    auto prepare = [&]() {
        draws = std::make_unique<SeededDraws>(BATTLE_SEED);
        GameBattleEngine* engine = world().newBattle();
        if (osDraws) draws.reset();
        return engine;
    };
    GameBattleEngine* engine = prepare();
    for (auto _ : state) {
        frames = playWholeBattle(engine, &turns);
        state.PauseTiming();
        finishBattle(engine);
        draws.reset();
        engine = prepare();
        state.ResumeTiming();
    }
    finishBattle(engine);
    draws.reset();
    state.counters["frames"] = frames;
    state.counters["turns"] = turns;
}

void BM_WholeBattle(benchmark::State& state) { wholeBattles(state, false); }
BENCHMARK(BM_WholeBattle)->Apply(iterationsFromEnvironment)->Unit(benchmark::kMicrosecond);

void BM_WholeBattleOsDraws(benchmark::State& state) { wholeBattles(state, true); }
BENCHMARK(BM_WholeBattleOsDraws)->Apply(iterationsFromEnvironment)->Unit(benchmark::kMicrosecond);

void BM_CloneMidBattle(benchmark::State& state) {
    if (!haveMiddle(state)) return;
    GameBattleEngine* live = middle().engine;
    for (auto _ : state)
        cloneOnce(live);
}
BENCHMARK(BM_CloneMidBattle)->Apply(iterationsFromEnvironment)->Unit(benchmark::kMicrosecond);

// Side 1 tries its first move.
void BM_LookAhead(benchmark::State& state) {
    if (!haveMiddle(state)) return;
    GameBattleEngine* live = middle().engine;
    GameOrder trial;
    trial.setMove(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(lookAheadOnce(live, trial));
}
BENCHMARK(BM_LookAhead)->Apply(iterationsFromEnvironment)->Unit(benchmark::kMicrosecond);

// The argument is the level: 1 is the default, 9 the strongest. Each repetition decides on the next of the
// decision positions in turn.
void BM_SimulDecision(benchmark::State& state) {
    if (!haveWorld(state)) return;
    std::vector<GameBattleEngine*>& positions = decisionPositions();
    if (positions.empty()) {
        state.SkipWithError("every battle ended before the decision positions");
        return;
    }
    Bot_IA_Simul thinker(1);
    thinker.setLevel(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decideOnce(positions[next], thinker));
        next = (next + 1) % positions.size();
    }
    state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_SimulDecision)->Arg(1)->Arg(9)->Apply(iterationsFromEnvironment)->Unit(benchmark::kMicrosecond);

} // namespace
