// A creature in battle form: stats from its species and level, HP, move slots, ability, status, counters.
#include "rules/Zelkin.hpp"

#include <algorithm>
#include <cstdint>

#include "rules/Platform.hpp"
#include "rules/RecycledBlocks.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/ZelkinBuff.hpp"
#include "rules/ZelkinBuffData.hpp"
#include "rules/ZelkinMove.hpp"
#include "rules/ZelkinType.hpp"
#include "rules/ZelkinZelkinary.hpp"

namespace {

const int STAT_COUNT = 6;
const int STATE_KNOCKED_OUT = 7;

int clampLevel(int level) { return std::min(std::max(level, Zelkin::MIN_LEVEL), Zelkin::MAX_LEVEL); }

ZelkinBuff* copyBuff(ZelkinBuff* source) {
    if (source == nullptr) return nullptr;
    ZelkinBuff* copy = new ZelkinBuff(source->getDefinition(), source->getValue());
    copy->setDuration(source->getDuration());
    return copy;
}

} // namespace

Zelkin::Zelkin(ZelkinZelkinary* species, int level) : Zelkin(species, level, true) {}

// Levels from bot files and scripts are not trusted: anything outside 1..100 would give absurd stats.
Zelkin::Zelkin(ZelkinZelkinary* species, int level, bool pickAbility)
    : level(clampLevel(level)), species(species) {
    initFromSpecies(pickAbility);
}

void Zelkin::initFromSpecies(bool pickAbility) {
    if (species != nullptr) {
        number = species->getNumber();
        shape = species->getShape();
        size = species->getSize();
        name = species->getName();
        for (int i = 0;; ++i) {
            ZelkinType* type = species->getTypeAt(i);
            if (type == nullptr) break;
            addType(type);
        }
    }
    computeStats();
    if (pickAbility && species != nullptr) {
        ZelkinBuffData* definition = species->pickRandomAbility();
        if (definition != nullptr) ability = new ZelkinBuff(definition, 0);
    }
}

Zelkin::~Zelkin() {
    delete ability;
    delete status;
}

void* Zelkin::operator new(std::size_t size) { return RecycledBlocks<sizeof(Zelkin)>::take(size); }

void Zelkin::operator delete(void* block, std::size_t size) noexcept {
    RecycledBlocks<sizeof(Zelkin)>::give(block, size);
}

Zelkin* Zelkin::clone() {
    Zelkin* copy = new Zelkin(species, level);
    for (int i = 0; i < moveCount; ++i)
        copy->addMoveWithDefaultPp(moves[i]);
    copy->setName(name);
    if (ability != nullptr && ability->getDefinition() != nullptr)
        copy->setAbilityByName(ability->getDefinition()->getName());
    else
        copy->setAbility(nullptr); // a creature without ability stays without one
    copy->battleStatRecord = battleStatRecord;
    return copy;
}

Zelkin* Zelkin::cloneForSimulation() {
    // What a creature built afresh from the species at this level would hold, without building it: the stats
    // always follow species and level (every change of level computes them again), so they are taken as
    // they are. No ability draw: the copy takes the source's ability (or lack of one) as it is.
    Zelkin* copy = new Zelkin();
    copy->level = level;
    copy->species = species;
    if (species != nullptr) {
        copy->number = species->getNumber();
        copy->shape = species->getShape();
        copy->size = species->getSize();
        // A species lists each of its types once and never a null one, so they are taken as they are.
        for (ZelkinType* type : species->getTypes())
            copy->types.push_back(type);
    }
    copy->maxHp = maxHp;
    copy->attack = attack;
    copy->defence = defence;
    copy->specialAttack = specialAttack;
    copy->specialDefence = specialDefence;
    copy->speed = speed;
    copy->name = name;
    copy->setHp(hp);
    for (int i = 0; i < moveCount; ++i)
        copy->addMove(moves[i], pp[i]);
    if (marked) copy->mark();
    copy->setAbility(copyBuff(ability));
    // Set directly rather than through setStatusIfFree: a knocked-out creature keeps its status in the copy,
    // so a look-ahead judges the same team the battle has.
    copy->status = copyBuff(status);
    return copy;
}

void Zelkin::computeStats() {
    int64_t base[STAT_COUNT] = {0, 0, 0, 0, 0, 0};
    if (species != nullptr)
        for (int i = 0; i < STAT_COUNT; ++i)
            base[i] = species->getBaseStat(i);
    // 64-bit so that absurd base stats from a data file cannot overflow.
    int64_t L = level;
    int64_t hpValue = (L * (base[0] + 23) * 2) / 100 + 10 + L;
    maxHp = std::max(1, clampToInt(hpValue));
    int* others[STAT_COUNT - 1] = {&attack, &defence, &specialAttack, &specialDefence, &speed};
    for (int i = 1; i < STAT_COUNT; ++i)
        *others[i - 1] = clampToInt((L * (base[i] + 23) * 2) / 100 + 5);
    hp = maxHp;
}

void Zelkin::balanceLevel(int mode, int baseLevel, int target) {
    // A base level outside 1..100 would make K / baseLevel divide by zero.
    int64_t B = clampLevel(baseLevel);
    int64_t total = 0;
    if (species != nullptr)
        for (int i = 0; i < STAT_COUNT; ++i)
            total += species->getBaseStat(i);
    int64_t K = mode == 2 ? 750 : 1100;
    int64_t result = B;
    if (total < target) result = ((target - total) * (B + 5)) / (K / B) / B + B;
    level = static_cast<int>(std::min<int64_t>(result, MAX_LEVEL));
    computeStats();
}

void Zelkin::balanceLevelDefault(int mode) { balanceLevel(mode, 50, 525); }

void Zelkin::setShape(int code) { shape = code; }
void Zelkin::setName(const std::string& text) { name = text; }

std::string Zelkin::getStatusText() {
    if (stateCode == STATE_KNOCKED_OUT) return "K.O";
    if (status != nullptr && status->getDefinition() != nullptr)
        return status->getDefinition()->getStatusCode();
    return "";
}

int Zelkin::addType(ZelkinType* type) {
    // A null entry would end the list early for everyone who reads it by index.
    if (type == nullptr) return -1;
    for (size_t i = 0; i < types.size(); ++i)
        if (types[i] == type) return static_cast<int>(i);
    types.push_back(type);
    return static_cast<int>(types.size()) - 1;
}

bool Zelkin::hasTypeNamed(const std::string& typeName) {
    if (typeName.empty()) return true;
    for (ZelkinType* type : types)
        if (type->getName() == typeName) return true;
    return false;
}

bool Zelkin::hasTypeId(int id) {
    if (id == 0) return true;
    for (ZelkinType* type : types)
        if (type->getId() == id) return true;
    return false;
}

bool Zelkin::hasType(ZelkinType* type) {
    if (type == nullptr) return true;
    return std::find(types.begin(), types.end(), type) != types.end();
}

float Zelkin::getHpPercent() {
    if (maxHp <= 0) return 0.0f;
    return static_cast<float>((static_cast<int64_t>(hp) * 100) / maxHp);
}

int Zelkin::getPowerRating() {
    int64_t sum = static_cast<int64_t>(maxHp) + attack + defence + specialAttack + specialDefence + speed +
                  2 * static_cast<int64_t>(level);
    return clampToInt(sum / 8);
}

int Zelkin::getSpeciesColour() { return species != nullptr ? species->getColour() : 0; }

int Zelkin::getMvpPoints() {
    return clampToInt(static_cast<int64_t>(mvpPoints[0]) + mvpPoints[1] + mvpPoints[2]);
}

int Zelkin::getMvpCategory() {
    int m = std::max(mvpPoints[0], 0);
    if (mvpPoints[2] > std::max(mvpPoints[1], m)) return 2;
    if (mvpPoints[1] > m) return 1;
    return 0;
}

int Zelkin::getScaledSize() {
    if (size < 150) return 50 + size / 3;
    return std::min(200, 100 + (size - 150) / 3);
}

std::shared_ptr<ZelkinBattleStat> Zelkin::getBattleStatRecord() { return battleStatRecord; }

void Zelkin::addBattleStat(int amount, int index) {
    if (index < 0 || index >= BATTLE_COUNTERS) return;
    battleCounters[index] += amount;
}

int Zelkin::getBattleStat(int index) {
    if (index < 0 || index >= BATTLE_COUNTERS) return 0;
    return battleCounters[index];
}

void Zelkin::mark() { marked = true; }

void Zelkin::setLevel(int value) {
    level = clampLevel(value);
    computeStats();
}

void Zelkin::setBattleStatRecord(std::shared_ptr<ZelkinBattleStat> record) { battleStatRecord = record; }

void Zelkin::deleteBattleStatRecord() { battleStatRecord.reset(); }

void Zelkin::createBattleStatRecord() {
    if (!battleStatRecord) battleStatRecord = std::make_shared<ZelkinBattleStat>();
}

void Zelkin::addBattleStatsToRecord() {
    if (!battleStatRecord) return;
    for (int i = 0; i < BATTLE_COUNTERS; ++i)
        battleStatRecord->add(battleCounters[i], i);
}

void Zelkin::setHpClamped(int64_t value) {
    hp = static_cast<int>(std::min<int64_t>(std::max<int64_t>(value, 0), maxHp));
}

int Zelkin::heal(int amount) {
    if (hp == 0) return 0;
    int before = hp;
    setHpClamped(static_cast<int64_t>(hp) + amount);
    return hp - before;
}

int Zelkin::damage(int amount) {
    int before = hp;
    setHpClamped(static_cast<int64_t>(hp) - amount);
    return before - hp;
}

void Zelkin::setHp(int value) { setHpClamped(value); }

int Zelkin::healFraction(int sixteenths) {
    setHpClamped(static_cast<int64_t>(hp) + (static_cast<int64_t>(maxHp) * sixteenths) / 16);
    return hp;
}

void Zelkin::addMvpPoints(int amount, int category) {
    if (category < 0 || category >= MVP_CATEGORIES) return;
    mvpPoints[category] += amount;
}

int Zelkin::damageFraction(int sixteenths) {
    int before = hp;
    setHpClamped(static_cast<int64_t>(hp) - (static_cast<int64_t>(maxHp) * sixteenths) / 16);
    return before - hp;
}

int Zelkin::getHpBarWidth() {
    if (maxHp <= 0) return 0;
    return clampToInt(48 + ((static_cast<int64_t>(hp) - maxHp) * 48) / maxHp);
}

void Zelkin::addMove(ZelkinMove* move, int points) {
    if (move == nullptr || moveCount >= MAX_MOVES) return;
    moves[moveCount] = move;
    pp[moveCount] = points;
    ++moveCount;
}

void Zelkin::addMoveWithDefaultPp(ZelkinMove* move) {
    if (move == nullptr) return;
    addMove(move, move->getPp());
}

void Zelkin::spendPp(int slot, int amount) {
    if (slot < 0 || slot >= moveCount) return;
    pp[slot] = static_cast<int>(std::max<int64_t>(static_cast<int64_t>(pp[slot]) - amount, 0));
}

void Zelkin::setAbility(ZelkinBuff* buff) {
    if (buff == ability) return;
    delete ability;
    ability = buff;
}

void Zelkin::setAbilityByName(const std::string& abilityName) {
    if (species == nullptr) return;
    ZelkinBuffData* definition = species->findAbilityByName(abilityName);
    if (definition == nullptr) return;
    setAbility(new ZelkinBuff(definition, 0));
}

int Zelkin::getBattleValue() {
    if (maxHp <= 0) return 0;
    int64_t v = ((static_cast<int64_t>(maxHp) / 2 + hp) * getPowerRating()) / maxHp;
    if (status != nullptr && status->getDefinition() != nullptr) {
        int nature = status->getDefinition()->getNature();
        if (nature == ZelkinBuffData::NATURE_NEGATIVE)
            v = static_cast<int64_t>(v * 0.66);
        else if (nature == ZelkinBuffData::NATURE_POSITIVE)
            v = static_cast<int64_t>(v * 1.5);
    }
    return clampToInt(v);
}

bool Zelkin::setStatusIfFree(ZelkinBuff* buff) {
    if (buff == nullptr || status != nullptr || hp == 0) return false;
    status = buff;
    noteTriggerHoldersChanged();
    return true;
}

bool Zelkin::clearStatus() {
    if (status == nullptr) return false;
    discardedBuffs().push_back(status);
    status = nullptr;
    noteTriggerHoldersChanged();
    return true;
}
