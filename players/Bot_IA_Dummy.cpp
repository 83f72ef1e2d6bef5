// The random decision maker: moves and switches scored by chance.
#include "players/Bot_IA_Dummy.hpp"

#include "battle/GameBattleEngine.hpp"
#include "battle/GameField.hpp"
#include "rules/PseudoRNG.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"

namespace {
constexpr int SWITCH_MARK = 4;
constexpr int FALLBACK_MOVE_SLOT = 4;
constexpr int MOVE_SLOTS = 4;
} // namespace

Bot_IA_Dummy::Bot_IA_Dummy(int side) : Bot_IA(side) {}

// The worker calls this object's think: it must be over before this part of the object goes.
Bot_IA_Dummy::~Bot_IA_Dummy() { waitForDecision(); }

int Bot_IA_Dummy::chooseRandomSwitch(GameBattleEngine* engine) {
    PseudoRNG rng;
    ZelkinTeam* team = engine->getField()->getTeamChecked(side);
    int best = -50;
    int choice = -1;
    const std::string* names[ZelkinTeam::MAX_MEMBERS];
    int scores[ZelkinTeam::MAX_MEMBERS];
    int scored = 0;
    for (int slot = 0; slot < ZelkinTeam::MAX_MEMBERS; ++slot) {
        if (!canComeIn(engine, side, slot)) continue;
        int score = rng.random(100);
        names[scored] = &team->getMemberAt(slot)->getName();
        scores[scored++] = score;
        if (score > best) {
            best = score;
            choice = slot;
        }
    }
    setScoredLog(names, scores, scored);
    return choice;
}

void Bot_IA_Dummy::think(GameBattleEngine* engine) {
    clearLog();
    order.reset();
    GameField* field = engine != nullptr ? engine->getField() : nullptr;
    ZelkinTeam* team = field != nullptr ? field->getTeamChecked(side) : nullptr;
    if (team == nullptr) {
        ready.store(true, std::memory_order_release);
        return;
    }
    PseudoRNG rng;
    int roll = rng.random(8);
    bool switchNow = (roll == 0 && team->getMemberMark(SWITCH_MARK) > 0) || field->getOpenRequest(side) == 2;
    int target = switchNow ? chooseRandomSwitch(engine) : -1;
    if (target >= 0) {
        order.setSwitch(target);
    } else {
        int best = -50;
        int choice = FALLBACK_MOVE_SLOT;
        // The moves the side may choose (see isUsableMove), with the team and its active creature at hand.
        // They are scored straight into the log's kept moves; a switch that found nobody left a log line.
        Zelkin* active = team->getActive();
        clearLog();
        for (int slot = 0; slot < MOVE_SLOTS; ++slot) {
            ZelkinMove* move = active != nullptr ? active->getMove(slot) : nullptr;
            if (move == nullptr || team->getMemberMark(slot) <= 0) continue;
            int score = rng.random(100) + rng.random(9) - 4;
            keepScoredMove(move, score);
            if (score > best) {
                best = score;
                choice = slot;
            }
        }
        order.setMove(choice);
    }
    ready.store(true, std::memory_order_release);
}
