// A creature in battle form: a species at a level with its stats, HP, moves, ability, status and counters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/SmallList.hpp"
#include "rules/ZelkinBattleStat.hpp"

class ZelkinZelkinary;
class ZelkinType;
class ZelkinMove;
class ZelkinBuff;

class Zelkin {
public:
    static const int MAX_MOVES = 4;
    static const int MVP_CATEGORIES = 3;
    static const int BATTLE_COUNTERS = 12;
    static constexpr int MIN_LEVEL = 1;
    static constexpr int MAX_LEVEL = 100;

    // Copies number, shape, size, name and types from the species, computes the stats (full HP) and gives
    // the creature one of the species' abilities at random (none when the species has none).
    Zelkin(ZelkinZelkinary* species, int level);
    virtual ~Zelkin();
    // A bot's look-ahead copies every creature of both sides: freed ones are kept for the next copies
    // (see RecycledBlocks).
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size) noexcept;

    // A fresh copy for a new battle: full HP and PP, same name, ability re-chosen by name, shared record.
    virtual Zelkin* clone();
    // A faithful copy of the changing state for the bots' look-ahead; shares nothing that it owns.
    virtual Zelkin* cloneForSimulation();

    virtual void computeStats();
    virtual void balanceLevel(int mode, int baseLevel, int target);
    virtual void balanceLevelDefault(int mode);

    int getNumber() { return number; }
    virtual void setShape(int code);
    virtual void setName(const std::string& name);
    bool isMarked() { return marked; }
    int getStateCode() { return stateCode; }
    virtual std::string getStatusText();
    int getStateCode2() { return stateCode2; }

    // i-th type, null outside the list.
    ZelkinType* getType(int i) { return i < 0 || i >= static_cast<int>(types.size()) ? nullptr : types[i]; }
    // First type, null for a creature without types.
    ZelkinType* getPrimaryType() { return types.empty() ? nullptr : types[0]; }
    virtual int addType(ZelkinType* type);
    virtual bool hasTypeNamed(const std::string& name);
    virtual bool hasTypeId(int id);
    virtual bool hasType(ZelkinType* type);
    int getTypeCount() { return static_cast<int>(types.size()); }

    int getHp() { return hp; }
    virtual float getHpPercent();
    int getSize() { return size; }
    int getMaxHp() { return maxHp; }
    int getAttack() { return attack; }
    int getDefence() { return defence; }
    int getSpecialAttack() { return specialAttack; }
    int getSpecialDefence() { return specialDefence; }
    int getSpeed() { return speed; }
    virtual int getPowerRating();
    int getShape() { return shape; }
    virtual int getSpeciesColour();
    int getLevel() { return level; }
    virtual int getMvpPoints();
    virtual int getMvpCategory();
    virtual int getScaledSize();
    ZelkinZelkinary* getSpecies() { return species; }

    // The record outlives battles and may be shared by a creature and its clones; it is freed with the
    // last holder.
    virtual std::shared_ptr<ZelkinBattleStat> getBattleStatRecord();
    virtual void addBattleStat(int amount, int index);
    virtual int getBattleStat(int index);
    virtual void mark();
    virtual void setLevel(int level);
    virtual void setBattleStatRecord(std::shared_ptr<ZelkinBattleStat> record);
    // Lets go of this creature's hold on the record (other holders keep theirs).
    virtual void deleteBattleStatRecord();
    virtual void createBattleStatRecord();
    virtual void addBattleStatsToRecord();

    const std::string& getName() { return name; }
    virtual int heal(int amount);
    virtual int damage(int amount);
    virtual void setHp(int hp);
    virtual int healFraction(int sixteenths);
    virtual void addMvpPoints(int amount, int category);
    virtual int damageFraction(int sixteenths);
    virtual int getHpBarWidth();

    virtual void addMove(ZelkinMove* move, int pp);
    virtual void addMoveWithDefaultPp(ZelkinMove* move);
    int getPp(int slot) { return slot >= 0 && slot < moveCount && slot < MAX_MOVES ? pp[slot] : 0; }
    virtual void spendPp(int slot, int amount);
    ZelkinMove* getMove(int slot) {
        return slot >= 0 && slot < moveCount && slot < MAX_MOVES ? moves[slot] : nullptr;
    }
    bool hasMoves() { return moveCount > 0; }
    int getMoveCount() { return moveCount; }

    // Takes ownership of the buff (may be null); the previous ability is deleted.
    virtual void setAbility(ZelkinBuff* ability);
    virtual void setAbilityByName(const std::string& name);
    ZelkinBuff* getAbility() { return ability; }
    virtual int getBattleValue();
    ZelkinBuff* getStatus() { return status; }
    // Takes ownership only when it returns true; a refused buff stays the caller's.
    virtual bool setStatusIfFree(ZelkinBuff* status);
    // Hands the status over to the discarded-buff list (the engine deletes it later).
    virtual bool clearStatus();

private:
    // Builds the creature without drawing an ability, for copies that set their own.
    Zelkin(ZelkinZelkinary* species, int level, bool pickAbility);
    // An empty shell that cloneForSimulation fills in.
    Zelkin() = default;
    void initFromSpecies(bool pickAbility);
    void setHpClamped(int64_t hp);

    std::string name;
    int level = MIN_LEVEL;
    int number = 0;
    int stateCode = 0;
    int stateCode2 = 0;
    int hp = 1;
    SmallList<ZelkinType*, 3> types;
    int maxHp = 1;
    int attack = 0;
    int defence = 0;
    int specialAttack = 0;
    int specialDefence = 0;
    int speed = 0;
    int size = 0;
    int pp[MAX_MOVES] = {0, 0, 0, 0};
    ZelkinMove* moves[MAX_MOVES] = {nullptr, nullptr, nullptr, nullptr};
    ZelkinZelkinary* species = nullptr;
    int moveCount = 0;
    int shape = 0;
    int mvpPoints[MVP_CATEGORIES] = {0, 0, 0};
    int battleCounters[BATTLE_COUNTERS] = {};
    std::shared_ptr<ZelkinBattleStat> battleStatRecord;
    ZelkinBuff* ability = nullptr;
    ZelkinBuff* status = nullptr;
    bool marked = false;
};
