// The battle engine's construction, copying and the lookups of a side's active creature.
#include "battle/GameBattleEngine.hpp"

#include <cmath>
#include <cstring>
#include <utility>

#include "battle/BattlePresentation.hpp"
#include "battle/GameField.hpp"
#include "battle/TriggerGate.hpp"
#include "battle/VariableTable.hpp"
#include "rules/BattleEvents.hpp"
#include "rules/Platform.hpp"
#include "rules/RecycledBlocks.hpp"
#include "rules/ScriptVariables.hpp"
#include "rules/ShortText.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinTeam.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

GameBattleEngine::GameBattleEngine(GameField* field, WindowServices* window, Game_Options* options)
    : field(field), window(window), options(options), variables(new VariableTable()) {}

GameBattleEngine::~GameBattleEngine() {
    delete variables;
    for (VariableTable* table : retiredVariables)
        delete table;
    delete field;
    for (BattleAnimation* animation : animations)
        delete animation;
}

GameBattleEngine* GameBattleEngine::clone() {
    GameField* copy = field ? field->clone() : nullptr;
    GameBattleEngine* engine = new GameBattleEngine(copy, window, options);
    engine->setSimulation(true);
    return engine;
}

void GameBattleEngine::setSimulation(bool on) {
    simulation = on;
    if (field) field->setComposesText(!on);
}

GameField* GameBattleEngine::getField() { return field; }
WindowServices* GameBattleEngine::getWindow() { return window; }
Game_Options* GameBattleEngine::getOptions() { return options; }

void GameBattleEngine::replaceVariables(VariableTable* fresh) {
    if (fresh == variables) return;
    // An animation reads the table it was handed on its first step; while any animation has yet to step,
    // the old table is kept until updateAnimations has stepped them all.
    if (!fresh) fresh = new VariableTable();
    if (animations.empty()) {
        if (variables) fresh->takeListStorage(*variables);
        delete variables;
    } else {
        retiredVariables.push_back(variables);
    }
    variables = fresh;
}

void GameBattleEngine::renewVariables() {
    // With no animation left to read it, nothing holds the current table: it is set back in place. Sanitizer
    // builds take a new one each time, so a pointer kept past this still shows as a use after free there.
    if (QUORVEX_RECYCLE_BLOCKS && variables && animations.empty())
        variables->restoreDefaults();
    else
        replaceVariables(new VariableTable());
}

void GameBattleEngine::addAnimation(BattleAnimation* animation) {
    if (animation) animations.push_back(animation);
}

void GameBattleEngine::clearLog() {
    logText.clear();
    logged = false;
}

void GameBattleEngine::appendLog(const std::string& text) {
    if (text.empty()) return;
    logged = true;
    if (!simulation) logText += text;
}

void GameBattleEngine::logLine(const std::string& line, std::string_view placeholder, std::string_view text,
                               std::string_view placeholder2, std::string_view text2) {
    // The line end alone makes it something said.
    logged = true;
    if (simulation) return;
    // Composed apart, on the stack unless the line is long, where a fill moves only the line's own bytes, and
    // added with its line end in one go. Each placeholder is looked for in the line as the fills before it
    // left it.
    const size_t room = line.size() + text.size() + text2.size() + 1;
    char onStack[256];
    std::string onHeap;
    char* composed = onStack;
    if (room > sizeof(onStack)) {
        onHeap.resize(room);
        composed = &onHeap[0];
    }
    size_t size = line.size();
    std::memcpy(composed, line.data(), size);
    auto fill = [&](std::string_view key, std::string_view value) {
        if (key.empty()) return;
        const size_t at = shorttext::findText(std::string_view(composed, size), key);
        if (at == std::string_view::npos) return;
        const size_t after = at + key.size();
        std::memmove(composed + at + value.size(), composed + after, size - after);
        std::memcpy(composed + at, value.data(), value.size());
        size = size - key.size() + value.size();
    };
    fill(placeholder, text);
    fill(placeholder2, text2);
    composed[size++] = '\n';
    logText.append(composed, size);
}

void GameBattleEngine::setActors(int side) {
    int other = opponentSide(side);
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    ZelkinTeam* otherTeam = field ? field->getTeamChecked(other) : nullptr;
    variables->setSlot(SVAR_CAMP_SOURCE, static_cast<float>(side));
    variables->setSlot(SVAR_CAMP_TARGET, static_cast<float>(other));
    variables->setSourceTeam(team);
    variables->setTargetTeam(otherTeam);
    variables->setSourceCreature(team ? team->getActive() : nullptr);
    variables->setTargetCreature(otherTeam ? otherTeam->getActive() : nullptr);
}

namespace {
// The check event of each stat index, by index.
const int STAT_EVENTS[8] = {
    EVENT_CHECK_STAT_ATT,   EVENT_CHECK_STAT_DEF,  EVENT_CHECK_STAT_SPE_ATT, EVENT_CHECK_STAT_SPE_DEF,
    EVENT_CHECK_STAT_SPEED, EVENT_CHECK_STAT_CRIT, EVENT_CHECK_STAT_EVA,     EVENT_CHECK_STAT_PRE,
};

// The stat before its stage: the creature's own for the five it has, a fixed base for the others.
double baseStat(Zelkin* creature, int statIndex) {
    switch (statIndex) {
    case STAT_ATTACK:
        return creature->getAttack();
    case STAT_DEFENCE:
        return creature->getDefence();
    case STAT_SPECIAL_ATTACK:
        return creature->getSpecialAttack();
    case STAT_SPECIAL_DEFENCE:
        return creature->getSpecialDefence();
    case STAT_SPEED:
        return creature->getSpeed();
    case STAT_CRITICAL:
        return 0.0625;
    default:
        return 100.0;
    }
}

// The stat at a non-zero stage, where the team's switches let raised or lowered stages count. Kept out of
// line: stages are seldom set, and the common read at stage 0 stays small enough to inline.
[[gnu::noinline]] double stagedStat(int statIndex, double base, long long stage,
                                    const PowerSwitchesHandler& switches) {
    const bool raisedCounts = stage > 0 && switches.isOn(1);
    const bool loweredCounts = stage < 0 && switches.isOn(2);
    if (statIndex <= STAT_SPEED) {
        if (raisedCounts) return std::floor(base * (1.0 + 0.5 * stage));
        if (loweredCounts) return std::ceil(base / (1.0 - 0.5 * stage));
        return base;
    }
    if (statIndex == STAT_CRITICAL) {
        double value = base;
        if (raisedCounts) {
            // Capped so that an absurd stage from data cannot loop for long; the floor applied by the caller
            // makes any stage past a few a certain critical anyway.
            long long doublings = stage >= 2 ? stage + 1 : stage;
            if (doublings > 64) doublings = 64;
            for (long long i = 0; i < doublings; ++i)
                value *= 2.0;
        }
        return value;
    }
    if (raisedCounts) return std::floor((stage + 3) * base / 3.0);
    if (loweredCounts) return std::ceil(3.0 * base / (3.0 - stage));
    return base;
}

// The stat of the side's active creature at its team's stage, before its check event; false for a side
// without one. In 64 bits: the critical stage has no ceiling, and the move's critical value adds to it.
bool stagedStatOf(GameField* field, int side, int statIndex, const ZelkinMove* move, double& value) {
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    Zelkin* creature = team ? team->getActive() : nullptr;
    if (!creature) return false;
    long long stage = team->getStage(statIndex);
    if (statIndex == STAT_CRITICAL && move) stage += move->getCritical();
    const double base = baseStat(creature, statIndex);
    value = stage != 0 ? stagedStat(statIndex, base, stage, team->readPowerSwitches()) : base;
    return true;
}

// The stat after its check event left the factor in "result". Every stat but the critical ratio is a whole
// number, which a factor left at 1 keeps as it is.
float checkedStat(int statIndex, double value, float result) {
    if (result == 1.0f && statIndex != STAT_CRITICAL) return static_cast<float>(value);
    return std::floor(result * static_cast<float>(value));
}
} // namespace

float GameBattleEngine::computeStat(int side, int statIndex) { return readStat(side, statIndex); }

float GameBattleEngine::readStat(int side, int statIndex) {
    if (statIndex < 0 || statIndex > STAT_PRECISION) return 0.0f;
    double value = 0.0;
    if (!stagedStatOf(field, side, statIndex, variables->getMove(), value)) return 0.0f;

    // The stat's check event, as fireTrigger fires it; when no trigger runs the factor stays at 1.
    variables->setSlot(SVAR_RESULT, 1.0f);
    const int event = STAT_EVENTS[statIndex];
    const DispatchSources sources = readyToDispatchFor(event, side);
    if (!sources) return checkedStat(statIndex, value, 1.0f);
    dispatchTrigger(event, side, opponentSide(side), sources);
    return checkedStat(statIndex, value, variables->getSlot(SVAR_RESULT));
}

float GameBattleEngine::uncheckedStat(int side, int statIndex) {
    double value = 0.0;
    if (!stagedStatOf(field, side, statIndex, variables->getMove(), value)) return 0.0f;
    return checkedStat(statIndex, value, 1.0f);
}

float GameBattleEngine::getCreatureVariable(int side, const std::string& key) {
    return getCreatureSlot(side, creatureVariableFromName(key));
}

std::vector<std::string> GameBattleEngine::getCreatureTextVariable(int side, const std::string& key) {
    std::vector<std::string> list;
    creatureTextInto(side, creatureVariableFromName(key), list);
    return list;
}

void GameBattleEngine::defendingTypesIntoVariables(int side) {
    variables->setDefensiveTypesOf(field ? field->getTeamChecked(side) : nullptr);
}

void GameBattleEngine::setCreatureVariable(int side, const std::string& key, float value) {
    if (key != "hp") return;
    ZelkinTeam* team = field ? field->getTeamChecked(side) : nullptr;
    Zelkin* creature = team ? team->getActive() : nullptr;
    if (!creature) return;
    creature->setHp(saturatingInt(value));
    field->setTimer(side, 45);
}
