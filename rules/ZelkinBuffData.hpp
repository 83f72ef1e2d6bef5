// A buff, status or ability definition: a named bundle of triggers with a nature, tags, a spot and
// animations.
#pragma once

#include <string>
#include <vector>

#include "rules/BattleEventSet.hpp"

class ZelkinBuffTrigger;
class QXML_Command;
class Animation;

class ZelkinBuffData {
public:
    static constexpr int KIND_BUFF = 0;
    static constexpr int KIND_ABILITY = 1;
    static constexpr int KIND_PRIMARY_STATUS = 3;

    static constexpr int NATURE_NONE = 0;
    static constexpr int NATURE_POSITIVE = 1;
    static constexpr int NATURE_NEGATIVE = 2;
    static constexpr int NATURE_NEUTRAL = 3;

    // Kind buff, nature none, the next serial id of the run.
    explicit ZelkinBuffData(const std::string& name);
    explicit ZelkinBuffData(const char* name);
    // Definitions live for the whole run; at the end the definition releases its triggers (with their
    // command trees) and animations, which nothing else owns.
    virtual ~ZelkinBuffData();
    ZelkinBuffData(const ZelkinBuffData&) = delete;
    ZelkinBuffData& operator=(const ZelkinBuffData&) = delete;

    // The animation at a position, or null outside the list.
    virtual Animation* getAnimation(int index);
    virtual int getAnimationCount();
    // Appends an animation, taking ownership; a null one is ignored.
    virtual void addAnimation(Animation* animation);

    // Builds and appends a trigger, taking over the command tree; a null tree adds nothing.
    void addTrigger(std::string when, std::string actor, QXML_Command* commands, int priority);
    // The triggers of one event number, in trigger order (99 is compared like any other number).
    std::vector<ZelkinBuffTrigger*> getTriggersFor(int event) const;
    bool hasTag(const std::string& tag) const;
    // "Positive" 1, "Negative" 2, "Neutral" 3; any other word leaves the nature unchanged.
    void setNatureFromWord(const std::string& word);

    const std::string& getName() const { return name; }
    int getKind() const { return kind; }
    int getNature() const { return nature; }
    int getId() const { return id; }
    int getBotValue() const { return botValue; }
    const std::vector<std::string>& getTags() const { return tags; }
    const std::vector<ZelkinBuffTrigger*>& getTriggers() const { return triggers; }
    // False when none of the triggers waits for the event.
    bool hasTriggersFor(int event) const { return triggerEvents.contains(event); }
    bool isTeamBuff() const { return teamBuff; }
    const std::string& getSpot() const { return spot; }
    const std::string& getStatusCode() const { return statusCode; }

    // Read directly by teams, the battle field and the engine.
    int kind = KIND_BUFF;
    int nature = NATURE_NONE;
    // Grows for the whole run across all definitions; orders buffs in a team's list.
    int id = 0;
    int botValue = 0;
    std::string name;
    std::vector<std::string> tags;
    std::vector<ZelkinBuffTrigger*> triggers;
    // The events of the triggers, kept by addTrigger.
    BattleEventSet triggerEvents;
    bool teamBuff = false;
    std::string spot;
    // The first three characters of a primary status' text; empty for other definitions.
    std::string statusCode;

private:
    std::vector<Animation*> animations;
};
