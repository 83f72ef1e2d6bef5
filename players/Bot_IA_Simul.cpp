// The simulating decision maker: plays each candidate order on copies of the battle and keeps the best.
#include "players/Bot_IA_Simul.hpp"

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "rules/Platform.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
constexpr int EVALUATION_WEIGHT = 50;
constexpr int FALLBACK_MOVE_SLOT = 4;
constexpr int SWITCH_MARK = 4;
} // namespace

Bot_IA_Simul::Bot_IA_Simul(int side) : Bot_IA(side) {}

// The worker calls this object's think: it must be over before this part of the object goes.
Bot_IA_Simul::~Bot_IA_Simul() { waitForDecision(); }

float Bot_IA_Simul::simulate(GameBattleEngine* engine, GameOrder& trial) {
    GameBattleEngine* copy = engine->clone();
    copy->submitOrder(side, &trial);
    float value = copy->evaluate(side, EVALUATION_WEIGHT);
    delete copy;
    return value;
}

int Bot_IA_Simul::chooseReplacement(GameBattleEngine* engine, int lvl) {
    PseudoRNG rng;
    ZelkinTeam* team = engine->getField()->getTeamChecked(side);
    int best = -10;
    int choice = -1;
    for (int slot = 0; slot < ZelkinTeam::MAX_MEMBERS; ++slot) {
        if (!canComeIn(engine, side, slot)) continue;
        GameOrder trial;
        trial.setSwitch(slot);
        float value = simulate(engine, trial);
        int score = saturatingInt(static_cast<double>(value) + rng.random(4 * (10 - lvl)));
        appendLogLine(team->getMemberAt(slot)->getName(), score);
        if (choice == -1 || score > best) {
            best = score;
            choice = slot;
        }
    }
    return choice;
}

void Bot_IA_Simul::think(GameBattleEngine* engine) {
    clearLog();
    GameField* field = engine != nullptr ? engine->getField() : nullptr;
    ZelkinTeam* team = field != nullptr ? field->getTeamChecked(side) : nullptr;
    if (team == nullptr) {
        order.reset();
        ready.store(true, std::memory_order_release);
        return;
    }
    lastEvaluation = engine->evaluate(side, EVALUATION_WEIGHT);
    appendLogLine("ACTUAL", lastEvaluation);
    order.reset();
    // The average divides by the level and the noise bounds shrink with it: keep it where both make sense.
    const int lvl = effectiveLevel();
    PseudoRNG rng;

    if (field->getOpenRequest(side) == 2) {
        int replacement = chooseReplacement(engine, lvl);
        // With nobody able to come in the field should not be asking; fall back on the default move.
        if (replacement >= 0)
            order.setSwitch(replacement);
        else
            order.setMove(FALLBACK_MOVE_SLOT);
        ready.store(true, std::memory_order_release);
        return;
    }

    float bestMoveScore = -10.0f;
    int bestMove = FALLBACK_MOVE_SLOT;
    for (int slot = 0; slot < 4; ++slot) {
        if (!isUsableMove(engine, side, slot)) continue;
        float sum = 0.0f;
        for (int k = 0; k < lvl; ++k) {
            GameOrder trial;
            trial.setMove(slot);
            sum += simulate(engine, trial);
        }
        float score = sum / static_cast<float>(lvl) + static_cast<float>(rng.random(7 * (10 - lvl)));
        appendLogLine(team->getActive()->getMove(slot)->getName(), score);
        if (bestMove == FALLBACK_MOVE_SLOT || score > bestMoveScore) {
            bestMoveScore = score;
            bestMove = slot;
        }
    }

    int bestSwitchScore = -10;
    int bestSwitch = -1;
    // A side the rules keep in (a trapped creature) does not consider switching.
    const bool maySwitch = team->getMemberMark(SWITCH_MARK) > 0;
    for (int slot = 0; slot < ZelkinTeam::MAX_MEMBERS && maySwitch; ++slot) {
        if (!canComeIn(engine, side, slot)) continue;
        GameOrder trial;
        trial.setSwitch(slot);
        double truncated = static_cast<double>(saturatingInt(simulate(engine, trial)));
        int score = saturatingInt(truncated + rng.random(4 * (10 - lvl)));
        appendLogLine(team->getMemberAt(slot)->getName(), score);
        if (bestSwitch == -1 || score > bestSwitchScore) {
            bestSwitchScore = score;
            bestSwitch = slot;
        }
    }

    if (bestSwitch >= 0 && static_cast<float>(bestSwitchScore) > bestMoveScore)
        order.setSwitch(bestSwitch);
    else
        order.setMove(bestMove);
    ready.store(true, std::memory_order_release);
}
