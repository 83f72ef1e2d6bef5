// One side of a battle: six creatures at most, stat stages, buffs, types, power switches and HP bar.
#pragma once

#include <string>
#include <vector>

#include "rules/PowerSwitchesHandler.hpp"
#include "rules/TriggerHolders.hpp"
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
    virtual const std::string& getName() const;
    virtual void setOwner(TrainerRecord* owner);
    // Takes ownership of the creature, even when the team is full (it is then deleted).
    virtual void addMember(Zelkin* creature);
    virtual int countAlive() const;
    virtual TrainerRecord* getOwner() const;
    virtual Zelkin* getActive() const;
    virtual Zelkin* getMemberAt(int i) const;
    virtual int getActiveIndex() const;
    // Returns how far the stage actually moved.
    virtual int modifyStage(int k, int delta);
    virtual const std::vector<ZelkinBuffBattleDesc>& getBattleDescription() const;
    virtual void buildBattleDescription();
    virtual void setName(const std::string& name);
    virtual void animateHpBar();
    virtual int getDisplayedHp() const;
    virtual int getHpBarLength() const;
    virtual bool isActionBlocked() const;
    // Takes the buff off the list without deleting or discarding it (the caller keeps it).
    virtual void removeBuffAt(int i);
    // The active creature leaves: stages back to 0 and its own buffs dropped (team buffs stay).
    virtual void clearSwitchState();
    virtual void setActionBlocked(int value);
    virtual int getStage(int k) const;
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
    virtual int getBuffCount() const;
    virtual ZelkinBuff* findBuffByName(const std::string& name) const;
    virtual ZelkinBuff* getBuffAt(int i) const;
    // True when the team took ownership; a refused buff stays the caller's.
    virtual bool addBuff(ZelkinBuff* buff);
    virtual bool removeBuffByName(const std::string& name);
    virtual bool removeBuffsWithTag(const std::string& tag);
    virtual bool removeBuffBySpot(const std::string& spot);
    // Takes ownership; the previous ability buff goes to the discarded list, since its trigger may be the
    // one running.
    virtual void setAbilityBuff(ZelkinBuff* buff);
    virtual ZelkinBuff* getAbilityBuff() const;
    // Hands the ability buff over to the caller without deleting it (the team is left without one).
    ZelkinBuff* releaseAbilityBuff() {
        ZelkinBuff* released = abilityBuff;
        abilityBuff = nullptr;
        noteTriggerHoldersChanged();
        return released;
    }
    virtual ZelkinType* getTypeAt(int i) const;
    virtual ZelkinType* getFirstType() const;
    virtual bool hasType(const ZelkinType* type) const;
    virtual bool removeTypeByName(const std::string& name);
    virtual bool clearTypes();
    virtual void addType(ZelkinType* type);
    virtual void resetMemberMarks();
    virtual int getMemberMark(int i) const;
    virtual void setMemberMark(int i, int value);
    virtual int getLockedMoveIndex() const;
    virtual int getTurnCounter() const;
    virtual void lockMove(const ZelkinMove* move);
    virtual void setLockedMoveIndex(int i);
    virtual void setTurnCounter(int value);
    virtual void setTimedEffect(ZelkinMove* move, int turns);
    virtual ZelkinMove* getTimedEffectValue() const;
    virtual void tickTimedEffect();

    // Switch-in of member i; nothing for an index outside the members.
    void setActiveMember(int i);

    // The switches for the one command that sets them.
    PowerSwitchesHandler* getPowerSwitchesForChange();
    // The switches read in place, for the engine's lookups that run many times a move (no copy).
    const PowerSwitchesHandler& readPowerSwitches() const { return powerSwitches; }
    int getTypeCount() const;
    int getTimedEffectTurns() const;
    int getMemberCount() const;
    // The owner's name and streak, "" and 0 without an owner.
    const std::string& getOwnerName() const;
    int getOwnerStreak() const;

private:
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
