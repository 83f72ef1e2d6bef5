// One side of a battle: six creatures at most, stat stages, buffs, types, power switches and HP bar.
#pragma once

#include <string>
#include <vector>

#include "rules/PowerSwitchesHandler.hpp"
#include "rules/TriggerHolders.hpp"
#include "rules/Zelkin.hpp"
#include "rules/ZelkinBuffBattleDesc.hpp"

class Zelkin;
class ZelkinBuff;
class ZelkinMove;
class ZelkinType;
class TrainerRecord;

// The one order of live buffs on a side and on the field: a creature's own buffs before team-wide ones,
// then later-loaded definitions first.
bool compareBuffs(const ZelkinBuff* a, const ZelkinBuff* b);

class ZelkinTeam {
public:
    static constexpr int MAX_MEMBERS = 6;
    static constexpr int STAGE_COUNT = 8;

    // The owner is borrowed, never deleted; null is allowed.
    ZelkinTeam(const std::string& name, TrainerRecord* owner);
    // Deletes the members, the team buffs and the ability buff.
    virtual ~ZelkinTeam();

    ZelkinTeam(const ZelkinTeam&) = delete;
    ZelkinTeam& operator=(const ZelkinTeam&) = delete;

    // A deep copy for the bots' look-ahead; the caller owns it.
    virtual ZelkinTeam* clone();
    const std::string& getName() const { return name; }
    virtual void setOwner(TrainerRecord* owner);
    // Takes ownership of the creature, even when the team is full (it is then deleted).
    virtual void addMember(Zelkin* creature);
    int countAlive() const {
        int alive = 0;
        for (int i = 0; i < memberCount; ++i)
            if (members[i]->getHp() > 0) ++alive;
        return alive;
    }
    TrainerRecord* getOwner() const { return owner; }
    Zelkin* getActive() const { return active; }
    Zelkin* getMemberAt(int i) const {
        return i >= 0 && i < memberCount && i < MAX_MEMBERS ? members[i] : nullptr;
    }
    virtual int getActiveIndex() const;
    // Returns how far the stage actually moved.
    virtual int modifyStage(int k, int delta);
    virtual const std::vector<ZelkinBuffBattleDesc>& getBattleDescription() const;
    virtual void buildBattleDescription();
    virtual void setName(const std::string& name);
    // One frame of the bar's slide towards the active creature's HP; nearly every frame it has nothing to do.
    void animateHpBar() {
        if (active != nullptr && active->getHp() != displayedHp) stepHpBar();
    }
    virtual int getDisplayedHp() const;
    virtual int getHpBarLength() const;
    bool isActionBlocked() const { return actionBlocked != 0; }
    // Takes the buff off the list without deleting or discarding it (the caller keeps it).
    virtual void removeBuffAt(int i);
    // The active creature leaves: stages back to 0 and its own buffs dropped (team buffs stay).
    virtual void clearSwitchState();
    virtual void setActionBlocked(int value);
    int getStage(int k) const { return k < 0 || k >= STAGE_COUNT ? 0 : stages[k]; }
    virtual int getAttackOneSided(bool raised) const;
    virtual int getAttack() const;
    virtual int getDefenceOneSided(bool raised) const;
    virtual int getDefence() const;
    virtual int getSpecialAttackOneSided(bool raised) const;
    virtual int getSpecialAttack() const;
    virtual int getSpecialDefenceOneSided(bool raised) const;
    virtual int getSpecialDefence() const;
    virtual int getStage7() const;
    virtual int getSpeed() const;
    virtual int getTeamBattleValue() const;
    virtual PowerSwitchesHandler getPowerSwitches() const;
    virtual void incrementTurnCounter();
    virtual bool canActiveAct() const;
    int getBuffCount() const { return static_cast<int>(buffs.size()); }
    virtual ZelkinBuff* findBuffByName(const std::string& name) const;
    ZelkinBuff* getBuffAt(int i) const {
        return i < 0 || i >= getBuffCount() ? nullptr : buffs[static_cast<size_t>(i)];
    }
    // True when the team took ownership; a refused buff stays the caller's.
    virtual bool addBuff(ZelkinBuff* buff);
    virtual bool removeBuffByName(const std::string& name);
    virtual bool removeBuffsWithTag(const std::string& tag);
    virtual bool removeBuffBySpot(const std::string& spot);
    // Takes ownership; the previous ability buff goes to the discarded list, since its trigger may be the
    // one running.
    virtual void setAbilityBuff(ZelkinBuff* buff);
    ZelkinBuff* getAbilityBuff() const { return abilityBuff; }
    // Hands the ability buff over to the caller without deleting it (the team is left without one).
    ZelkinBuff* releaseAbilityBuff() {
        ZelkinBuff* released = abilityBuff;
        abilityBuff = nullptr;
        noteTriggerHoldersChanged();
        return released;
    }
    ZelkinType* getTypeAt(int i) const {
        return i < 0 || i >= getTypeCount() ? nullptr : types[static_cast<size_t>(i)];
    }
    ZelkinType* getFirstType() const { return types.empty() ? nullptr : types.front(); }
    virtual bool hasType(const ZelkinType* type) const;
    virtual bool removeTypeByName(const std::string& name);
    virtual bool clearTypes();
    virtual void addType(ZelkinType* type);
    // Every mark back to 1. The marks are set for both sides at the start of every turn.
    void resetMemberMarks() {
        for (int& mark : memberMarks)
            mark = 1;
    }
    int getMemberMark(int i) const { return i < 0 || i >= MAX_MEMBERS ? 0 : memberMarks[i]; }
    void setMemberMark(int i, int value) {
        if (i >= 0 && i < MAX_MEMBERS) memberMarks[i] = value;
    }
    int getLockedMoveIndex() const { return lockedMoveIndex; }
    int getTurnCounter() const { return turnCounter; }
    virtual void lockMove(const ZelkinMove* move);
    virtual void setLockedMoveIndex(int i);
    virtual void setTurnCounter(int value);
    virtual void setTimedEffect(ZelkinMove* move, int turns);
    ZelkinMove* getTimedEffectValue() const { return timedMove; }
    virtual void tickTimedEffect();

    // Switch-in of member i; nothing for an index outside the members.
    void setActiveMember(int i);

    // The switches for the one command that sets them.
    PowerSwitchesHandler* getPowerSwitchesForChange();
    // The switches read in place, for the engine's lookups that run many times a move (no copy).
    const PowerSwitchesHandler& readPowerSwitches() const { return powerSwitches; }
    int getTypeCount() const { return static_cast<int>(types.size()); }
    int getTimedEffectTurns() const { return timedTurns; }
    int getMemberCount() const { return memberCount; }
    // The owner's name and streak, "" and 0 without an owner.
    const std::string& getOwnerName() const;
    int getOwnerStreak() const;

private:
    void stepHpBar();
    // Member i (a valid index) comes in: active, unblocked, its HP bar full.
    void placeActive(int i);
    // Takes the buff at position i off the list and hands it to this thread's discarded list.
    void discardBuffAt(int i);
    void sortBuffs();
    // Whether the description shows the buffs and stages as they stand.
    bool isDescriptionCurrent();

    std::string name;
    int turnCounter = 0;
    int displayedHp = 0;
    int startHp = 0;
    int stepsLeft = 0;
    int totalSteps = 25;
    int actionBlocked = 0;
    int memberCount = 0;
    TrainerRecord* owner = nullptr;
    Zelkin* members[MAX_MEMBERS] = {};
    Zelkin* active = nullptr;
    int stages[STAGE_COUNT] = {};
    int lockedMoveIndex = -1;
    int memberMarks[MAX_MEMBERS] = {1, 1, 1, 1, 1, 1};
    std::vector<ZelkinBuff*> buffs;
    std::vector<ZelkinType*> types;
    ZelkinBuff* abilityBuff = nullptr;
    ZelkinMove* timedMove = nullptr;
    int timedTurns = 0;
    PowerSwitchesHandler powerSwitches;
    std::vector<ZelkinBuffBattleDesc> description;
    // What the description was last built from (each listed buff's definition and value, and the stages):
    // a side that has not changed since keeps its lines as they are.
    std::vector<std::pair<const ZelkinBuffData*, int>> describedBuffs;
    int describedStages[STAGE_COUNT] = {};
    bool described = false;
};
