// A move definition: what a creature can use in battle, with its values, effect tree and triggers.
#pragma once

#include <string>
#include <vector>

#include "rules/BattleEventSet.hpp"

class ZelkinType;
class ZelkinBuffTrigger;
class QXML_Command;

class ZelkinMove {
public:
    // The most hits one use of a move may ask for, from the data or from a script; real moves use a few,
    // and each hit is an action of its own.
    static constexpr int MAX_HITS = 100;

    // category: "physique" gives 1, "special" 2, any other word 0. The move takes over the effect tree.
    ZelkinMove(const std::string& name, ZelkinType* type, const std::string& category, int pp,
               QXML_Command* effect);
    // Moves live as long as the database; at exit the move releases its triggers and effect tree.
    virtual ~ZelkinMove();

    const std::string& getName() const { return name; }
    int getPower() const { return power; }
    int getPrecision() const { return precision; }
    int getCategory() const { return category; }
    int getPp() const { return pp; }
    ZelkinType* getType() const { return type; }
    int getPriority() const { return priority; }
    int getHits() const { return hits; }
    int getCritical() const { return critical; }
    int getDamageKind() const { return damageKind; }
    ZelkinType* getSubtype() const { return subtype; }
    int getTargetKind() const { return targetKind; }
    QXML_Command* getEffect() const { return effect; }
    virtual void setHits(int value);
    virtual void setDamageKindFromWord(const std::string& word);
    virtual void setCritical(int value);
    virtual void setPower(int value);
    virtual void setPrecision(int value);
    virtual void setPriority(int value);
    virtual void setTargetKindFromWord(const std::string& word);
    virtual void setSubtype(ZelkinType* value);
    virtual void setAuxValue(int value);
    int getAuxValue() const { return auxValue; }
    // actor null: a trigger without actor. A null command tree adds nothing. Takes over the tree.
    virtual void addTrigger(const std::string& when, const char* actor, QXML_Command* commands, int priority);
    // Script reads: "power", "category", "precision"; any other key 0.
    virtual float getNumber(const std::string& key) const;
    // Moves are read-only to scripts.
    virtual void setVariable(const std::string& name, float value);
    // Script texts: "name", "type", "subtype"; any other key an empty list.
    virtual std::vector<std::string> getStrings(const std::string& key) const;

    virtual const std::vector<ZelkinBuffTrigger*>& getTriggers() const;
    // False when none of the triggers waits for the event.
    bool hasTriggersFor(int event) const { return triggerEvents.contains(event); }
    bool hasTriggersForAnyOf(const BattleEventSet& events) const { return triggerEvents.intersects(events); }
    virtual const std::vector<std::string>& getTags() const;
    virtual void addTag(const std::string& tag);

private:
    ZelkinMove(const ZelkinMove&) = delete;
    ZelkinMove& operator=(const ZelkinMove&) = delete;

    std::string name;
    std::vector<std::string> tags;
    int pp = 0;
    ZelkinType* type = nullptr;
    int targetKind = 0;
    ZelkinType* subtype = nullptr;
    int precision = 100;
    int damageKind = 0;
    int power = 0;
    int auxValue = 0;
    std::vector<ZelkinBuffTrigger*> triggers;
    BattleEventSet triggerEvents;
    int category = 0;
    int priority = 0;
    int hits = 1;
    int critical = 1;
    QXML_Command* effect = nullptr;
};
