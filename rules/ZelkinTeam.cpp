// One side of a battle: members, switch-in, stat stages, effective stats, HP bar, buffs, types, switches.
#include "rules/ZelkinTeam.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "rules/DefaultStrings.hpp"
#include "rules/Platform.hpp"
#include "rules/TrainerRecord.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"

namespace {
const int STAGE_CRITICAL = 5;
const int STAGE_LIMIT = 6;
// The bar never takes more frames than this to show a change of HP.
const int HP_BAR_MAX_STEPS = 25;
const int HP_BAR_WIDTH = 48;
const int STATE_CODE_SLOWED = 3;

// Description colours.
const int COLOUR_HEADING = 15;
const int COLOUR_POSITIVE = 9;
const int COLOUR_NEGATIVE = 6;
const int COLOUR_NEUTRAL = 14;

// A stat with a stage applied: each step up adds half the stat, each step down divides by one more half.
int applyStage(int x, int s) {
    if (s > 0) return saturatingInt(std::floor(x * (1.0 + 0.5 * s)));
    if (s < 0) return saturatingInt(std::ceil(x / (1.0 - 0.5 * s)));
    return x;
}

// A stage counts in a one-sided read only when it goes the asked way.
int applyStageOneSided(int x, int s, bool raised) {
    if ((s > 0 && raised) || (s < 0 && !raised)) return applyStage(x, s);
    return x;
}

// A copy of a live buff as a new battle would see it: same definition, value and duration, alive.
ZelkinBuff* copyBuff(ZelkinBuff* source) {
    ZelkinBuff* copy = new ZelkinBuff(source->getDefinition(), source->getValue());
    copy->setDuration(source->getDuration());
    return copy;
}

const std::string& statLabel(int k) {
    switch (k) {
    case 0:
        return DefaultStrings::NAME_STAT_ATT;
    case 1:
        return DefaultStrings::NAME_STAT_DEF;
    case 2:
        return DefaultStrings::NAME_STAT_SPE_ATT;
    case 3:
        return DefaultStrings::NAME_STAT_SPE_DEF;
    case 4:
        return DefaultStrings::NAME_STAT_SPD;
    case 5:
        return DefaultStrings::NAME_STAT_CRIT;
    case 6:
        return DefaultStrings::NAME_STAT_EVA;
    default:
        return DefaultStrings::NAME_STAT_PRE;
    }
}

bool isTeamBuff(const ZelkinBuff* buff) {
    const ZelkinBuffData* definition = const_cast<ZelkinBuff*>(buff)->getDefinition();
    return definition != nullptr && definition->isTeamBuff();
}

int serialOf(const ZelkinBuff* buff) {
    const ZelkinBuffData* definition = const_cast<ZelkinBuff*>(buff)->getDefinition();
    return definition != nullptr ? definition->getId() : 0;
}

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

const std::string& nameOf(ZelkinBuff* buff) {
    ZelkinBuffData* definition = buff->getDefinition();
    return definition != nullptr ? definition->getName() : emptyText();
}

const std::string& spotOf(ZelkinBuff* buff) {
    ZelkinBuffData* definition = buff->getDefinition();
    return definition != nullptr ? definition->getSpot() : emptyText();
}
} // namespace

bool compareBuffs(const ZelkinBuff* a, const ZelkinBuff* b) {
    bool teamA = isTeamBuff(a);
    bool teamB = isTeamBuff(b);
    if (teamA != teamB) return !teamA;
    return serialOf(a) > serialOf(b);
}

ZelkinTeam::ZelkinTeam(const std::string& name, TrainerRecord* owner) : name(name), owner(owner) {}

ZelkinTeam::~ZelkinTeam() {
    for (int i = 0; i < memberCount; ++i)
        delete members[i];
    for (ZelkinBuff* buff : buffs)
        delete buff;
    delete abilityBuff;
}

ZelkinTeam* ZelkinTeam::clone() {
    ZelkinTeam* copy = new ZelkinTeam(name, owner);
    for (int i = 0; i < memberCount; ++i) {
        copy->addMember(members[i]->cloneForSimulation());
        // Only the switch-in itself: the ability, types and timed effect are set from this side below.
        if (members[i] == active) copy->placeActive(copy->memberCount - 1);
    }
    copy->setLockedMoveIndex(lockedMoveIndex);
    copy->setTurnCounter(turnCounter);
    for (int k = 0; k < STAGE_COUNT; ++k)
        copy->stages[k] = stages[k];
    // The copy mirrors the side as it stands, not as the creature came in: an ability taken away or types
    // changed by effects stay so in the look-ahead.
    // The ability the copy got on switching in has never run: it can go at once.
    delete copy->releaseAbilityBuff();
    copy->setAbilityBuff(abilityBuff != nullptr ? copyBuff(abilityBuff) : nullptr);
    copy->buffs.reserve(buffs.size());
    for (ZelkinBuff* buff : buffs) {
        ZelkinBuff* buffCopy = copyBuff(buff);
        if (!copy->addBuff(buffCopy)) delete buffCopy;
    }
    copy->types.clear();
    copy->types.reserve(types.size());
    for (ZelkinType* type : types)
        copy->addType(type);
    copy->setTimedEffect(timedMove, timedTurns);
    copy->powerSwitches = powerSwitches;
    return copy;
}

void ZelkinTeam::setOwner(TrainerRecord* newOwner) { owner = newOwner; }

// The team owns every creature handed to it: one that does not fit is deleted rather than lost.
void ZelkinTeam::addMember(Zelkin* creature) {
    if (creature == nullptr) return;
    bool alreadyMember = false;
    for (int i = 0; i < memberCount; ++i) {
        if (members[i] == creature) alreadyMember = true;
    }
    if (memberCount == 0) active = creature;
    bool full = memberCount >= MAX_MEMBERS;
    if (!full && !alreadyMember) members[memberCount++] = creature;
    if (active != nullptr) {
        displayedHp = active->getHp();
        startHp = displayedHp;
    }
    if (full && !alreadyMember) delete creature;
    noteTriggerHoldersChanged();
}

int ZelkinTeam::getActiveIndex() const {
    for (int i = 0; i < memberCount && i < MAX_MEMBERS; ++i) {
        if (members[i] == active) return i;
    }
    return 0;
}

int ZelkinTeam::modifyStage(int k, int delta) {
    if (k < 0 || k >= STAGE_COUNT) return 0;
    long long old = stages[k];
    long long wanted = old + delta;
    if (k == STAGE_CRITICAL) {
        // A critical stage of exactly 5 falls back to 3.
        if (wanted == 5) wanted = 3;
        wanted = clampToInt(wanted);
    } else {
        wanted = std::max<long long>(-STAGE_LIMIT, std::min<long long>(STAGE_LIMIT, wanted));
    }
    stages[k] = static_cast<int>(wanted);
    return clampToInt(wanted - old);
}

const std::vector<ZelkinBuffBattleDesc>& ZelkinTeam::getBattleDescription() const { return description; }

// The lines read nothing else than the listed buffs' definitions and values and the stages: definitions do
// not change once loaded, nor do the stat labels once the game's texts are read.
bool ZelkinTeam::isDescriptionCurrent() {
    if (!described) return false;
    if (std::memcmp(stages, describedStages, sizeof(stages)) != 0) return false;
    size_t listed = 0;
    for (ZelkinBuff* buff : buffs) {
        const ZelkinBuffData* definition = buff->getDefinition();
        if (definition == nullptr || definition->getNature() == ZelkinBuffData::NATURE_NONE) continue;
        if (listed == describedBuffs.size() || describedBuffs[listed].first != definition ||
            describedBuffs[listed].second != buff->getValue())
            return false;
        ++listed;
    }
    return listed == describedBuffs.size();
}

// The creature's own buffs come first in the list, so each kind gets its own heading the first time one
// of its buffs is listed; a single shared heading would leave the team buffs under "ALTS :".
void ZelkinTeam::buildBattleDescription() {
    if (isDescriptionCurrent()) return;
    described = true;
    describedBuffs.clear();
    std::copy(std::begin(stages), std::end(stages), describedStages);
    BattleDescWriter lines(description);
    bool teamHeading = false;
    bool altsHeading = false;
    for (ZelkinBuff* buff : buffs) {
        ZelkinBuffData* definition = buff->getDefinition();
        if (definition == nullptr) continue;
        int nature = definition->getNature();
        if (nature == ZelkinBuffData::NATURE_NONE) continue;
        describedBuffs.emplace_back(definition, buff->getValue());
        if (definition->isTeamBuff()) {
            if (!teamHeading) lines.addText(COLOUR_HEADING, "TEAM :");
            teamHeading = true;
        } else {
            if (!altsHeading) lines.addText(COLOUR_HEADING, "ALTS :");
            altsHeading = true;
        }
        int colour = COLOUR_HEADING;
        if (nature == ZelkinBuffData::NATURE_POSITIVE) colour = COLOUR_POSITIVE;
        if (nature == ZelkinBuffData::NATURE_NEGATIVE) colour = COLOUR_NEGATIVE;
        if (nature == ZelkinBuffData::NATURE_NEUTRAL) colour = COLOUR_NEUTRAL;
        lines.addBuff(*definition, buff->getValue(), colour);
    }
    bool anyStage = false;
    for (int k = 0; k < STAGE_COUNT; ++k) {
        if (stages[k] != 0) anyStage = true;
    }
    if (anyStage) lines.addText(COLOUR_HEADING, "STATS :");
    for (int k = 0; k < STAGE_COUNT; ++k) {
        int s = stages[k];
        if (s == 0 || (s < 0 && k == STAGE_CRITICAL)) continue;
        const int colour = s > 0 ? COLOUR_POSITIVE : COLOUR_NEGATIVE;
        const std::string& label = statLabel(k);
        // Laid out on the stack, so a line that did not change is kept as it is; a label too long for it is
        // appended piece by piece.
        char line[64];
        constexpr size_t NUMBER_ROOM = 16;
        if (label.size() + NUMBER_ROOM > sizeof(line)) {
            std::string& text = lines.add(colour);
            if (s > 0) text += '+';
            appendDecimal(text, s);
            text += ' ';
            text += label;
            continue;
        }
        char* write = line;
        if (s > 0) *write++ = '+';
        write = std::to_chars(write, line + sizeof(line), s).ptr;
        *write++ = ' ';
        std::memcpy(write, label.data(), label.size());
        write += label.size();
        lines.addText(colour, std::string_view(line, static_cast<size_t>(write - line)));
    }
    lines.finish();
}

void ZelkinTeam::setName(const std::string& newName) { name = newName; }

void ZelkinTeam::stepHpBar() {
    int h = active->getHp();
    if (stepsLeft <= 0) {
        long long d = std::llabs(static_cast<long long>(h) - displayedHp);
        int steps = d < HP_BAR_MAX_STEPS ? static_cast<int>(d) : HP_BAR_MAX_STEPS;
        totalSteps = steps;
        stepsLeft = steps;
    }
    if (totalSteps <= 0) return;
    --stepsLeft;
    // At most the whole way from startHp to h (1 <= totalSteps - stepsLeft <= totalSteps): the bar shows a
    // value between the two, an int like them.
    long long moved =
        (static_cast<long long>(totalSteps - stepsLeft) * (static_cast<long long>(startHp) - h)) / totalSteps;
    displayedHp = static_cast<int>(startHp - moved);
    if (stepsLeft == 0) startHp = h;
}

int ZelkinTeam::getDisplayedHp() const { return displayedHp; }

int ZelkinTeam::getHpBarLength() const {
    if (active == nullptr) return 0;
    long long maxHp = active->getMaxHp();
    if (maxHp <= 0) return 0;
    long long length = HP_BAR_WIDTH + ((displayedHp - maxHp) * HP_BAR_WIDTH) / maxHp;
    return static_cast<int>(std::max<long long>(0, std::min<long long>(HP_BAR_WIDTH, length)));
}

void ZelkinTeam::removeBuffAt(int i) {
    if (i < 0 || i >= getBuffCount()) return;
    buffs.erase(buffs.begin() + i);
    noteTriggerHoldersChanged();
}

// The creature's own buffs leave with it; they go to the discarded list so the engine frees them at the
// next turn, while anything still looking at them this turn stays safe.
void ZelkinTeam::clearSwitchState() {
    for (int& stage : stages)
        stage = 0;
    for (int i = getBuffCount() - 1; i >= 0; --i) {
        if (!isTeamBuff(buffs[static_cast<size_t>(i)])) discardBuffAt(i);
    }
}

void ZelkinTeam::setActionBlocked(int value) { actionBlocked = value; }

int ZelkinTeam::getAttackOneSided(bool raised) const {
    return active == nullptr ? 0 : applyStageOneSided(active->getAttack(), stages[0], raised);
}

int ZelkinTeam::getAttack() const {
    return active == nullptr ? 0 : applyStage(active->getAttack(), stages[0]);
}

int ZelkinTeam::getDefenceOneSided(bool raised) const {
    return active == nullptr ? 0 : applyStageOneSided(active->getDefence(), stages[1], raised);
}

int ZelkinTeam::getDefence() const {
    return active == nullptr ? 0 : applyStage(active->getDefence(), stages[1]);
}

int ZelkinTeam::getSpecialAttackOneSided(bool raised) const {
    return active == nullptr ? 0 : applyStageOneSided(active->getSpecialAttack(), stages[2], raised);
}

int ZelkinTeam::getSpecialAttack() const {
    return active == nullptr ? 0 : applyStage(active->getSpecialAttack(), stages[2]);
}

int ZelkinTeam::getSpecialDefenceOneSided(bool raised) const {
    return active == nullptr ? 0 : applyStageOneSided(active->getSpecialDefence(), stages[3], raised);
}

int ZelkinTeam::getSpecialDefence() const {
    return active == nullptr ? 0 : applyStage(active->getSpecialDefence(), stages[3]);
}

int ZelkinTeam::getStage7() const { return stages[7]; }

int ZelkinTeam::getSpeed() const {
    if (active == nullptr) return 0;
    int speed = applyStage(active->getSpeed(), stages[4]);
    if (active->getStateCode() == STATE_CODE_SLOWED) speed /= 2;
    return speed;
}

int ZelkinTeam::getTeamBattleValue() const {
    int total = 0;
    for (int i = 0; i < memberCount && i < MAX_MEMBERS; ++i) {
        if (members[i] == nullptr) break;
        total += members[i]->getBattleValue();
    }
    return total;
}

PowerSwitchesHandler ZelkinTeam::getPowerSwitches() const { return powerSwitches; }

void ZelkinTeam::incrementTurnCounter() { ++turnCounter; }

bool ZelkinTeam::canActiveAct() const {
    return active != nullptr && active->getHp() >= 1 && actionBlocked == 0;
}

ZelkinBuff* ZelkinTeam::findBuffByName(const std::string& buffName) const {
    for (ZelkinBuff* buff : buffs) {
        if (buff->getDefinition() != nullptr && nameOf(buff) == buffName) return buff;
    }
    return nullptr;
}

bool ZelkinTeam::addBuff(ZelkinBuff* buff) {
    if (buff == nullptr || active == nullptr) return false;
    ZelkinBuffData* definition = buff->getDefinition();
    if (definition == nullptr) return false;
    if (findBuffByName(definition->getName()) != nullptr) return false;
    if (active->getHp() < 1 && !definition->isTeamBuff()) return false;
    if (!definition->getSpot().empty()) removeBuffBySpot(definition->getSpot());
    buffs.push_back(buff);
    noteTriggerHoldersChanged();
    sortBuffs();
    return true;
}

bool ZelkinTeam::removeBuffByName(const std::string& buffName) {
    for (int i = 0; i < getBuffCount(); ++i) {
        ZelkinBuff* buff = buffs[static_cast<size_t>(i)];
        if (buff->getDefinition() != nullptr && nameOf(buff) == buffName) {
            discardBuffAt(i);
            return true;
        }
    }
    return false;
}

bool ZelkinTeam::removeBuffsWithTag(const std::string& tag) {
    bool removed = false;
    for (int i = 0; i < getBuffCount();) {
        ZelkinBuffData* definition = buffs[static_cast<size_t>(i)]->getDefinition();
        if (definition != nullptr && definition->hasTag(tag)) {
            discardBuffAt(i);
            removed = true;
        } else {
            ++i;
        }
    }
    return removed;
}

// An empty spot means "no spot": asking for it must not take away some unrelated spotless buff.
bool ZelkinTeam::removeBuffBySpot(const std::string& spot) {
    if (spot.empty()) return false;
    for (int i = 0; i < getBuffCount(); ++i) {
        ZelkinBuff* buff = buffs[static_cast<size_t>(i)];
        if (buff->getDefinition() != nullptr && spotOf(buff) == spot) {
            discardBuffAt(i);
            return true;
        }
    }
    return false;
}

void ZelkinTeam::setAbilityBuff(ZelkinBuff* buff) {
    if (buff == abilityBuff) return;
    if (abilityBuff != nullptr) discardedBuffs().push_back(abilityBuff);
    abilityBuff = buff;
    noteTriggerHoldersChanged();
}

bool ZelkinTeam::hasType(const ZelkinType* type) const {
    if (type == nullptr) return true;
    return std::find(types.begin(), types.end(), type) != types.end();
}

bool ZelkinTeam::removeTypeByName(const std::string& typeName) {
    for (auto it = types.begin(); it != types.end(); ++it) {
        if ((*it)->getName() == typeName) {
            types.erase(it);
            return true;
        }
    }
    return false;
}

bool ZelkinTeam::clearTypes() {
    if (types.empty()) return false;
    types.clear();
    return true;
}

void ZelkinTeam::addType(ZelkinType* type) {
    if (!hasType(type)) types.push_back(type);
}

void ZelkinTeam::lockMove(const ZelkinMove* move) {
    if (move == nullptr || active == nullptr) return;
    for (int slot = 0; slot < Zelkin::MAX_MOVES; ++slot) {
        ZelkinMove* held = active->getMove(slot);
        if (held == nullptr) return;
        if (held == move) {
            lockedMoveIndex = slot;
            return;
        }
    }
}

void ZelkinTeam::setLockedMoveIndex(int i) { lockedMoveIndex = i; }

void ZelkinTeam::setTurnCounter(int value) { turnCounter = value; }

void ZelkinTeam::setTimedEffect(ZelkinMove* move, int turns) {
    timedMove = move;
    timedTurns = turns;
}

void ZelkinTeam::tickTimedEffect() {
    timedTurns = timedTurns > INT_MIN ? timedTurns - 1 : timedTurns;
    if (timedTurns < 1) {
        timedTurns = 0;
        timedMove = nullptr;
    }
}

void ZelkinTeam::placeActive(int i) {
    active = members[i];
    noteTriggerHoldersChanged();
    actionBlocked = 0;
    displayedHp = active->getHp();
    startHp = displayedHp;
}

void ZelkinTeam::setActiveMember(int i) {
    if (i < 0 || i >= memberCount) return;
    placeActive(i);
    turnCounter = 0;
    timedMove = nullptr;
    timedTurns = 0;
    ZelkinBuff* ability = active->getAbility();
    setAbilityBuff(ability != nullptr ? copyBuff(ability) : nullptr);
    types.clear();
    for (int k = 0;; ++k) {
        ZelkinType* type = active->getType(k);
        if (type == nullptr) break;
        addType(type);
    }
}

PowerSwitchesHandler* ZelkinTeam::getPowerSwitchesForChange() { return &powerSwitches; }

const std::string& ZelkinTeam::getOwnerName() const {
    static const std::string noName;
    return owner != nullptr ? owner->getName() : noName;
}

int ZelkinTeam::getOwnerStreak() const { return owner != nullptr ? owner->getStreak() : 0; }

void ZelkinTeam::discardBuffAt(int i) {
    ZelkinBuff* buff = buffs[static_cast<size_t>(i)];
    buffs.erase(buffs.begin() + i);
    noteTriggerHoldersChanged();
    discardedBuffs().push_back(buff);
}

void ZelkinTeam::sortBuffs() { std::sort(buffs.begin(), buffs.end(), compareBuffs); }
