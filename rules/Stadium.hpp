// A battle arena: picture, crowd hype, supporter kinds, seats left empty and the triggers of the place.
#pragma once

#include <string>
#include <vector>

#include "rules/BattleEventSet.hpp"
#include "rules/StadiumNoGoZone.hpp"

class ZelkinBuffTrigger;
class QXML_Command;

class Stadium {
public:
    static constexpr int MAX_IDS = 100;

    // A null text reads as the empty text.
    Stadium(const char* name, const char* file, int hype);
    // Frees the texts and the zones; the triggers belong to the database and are not deleted here.
    virtual ~Stadium();

    virtual const std::string& getName() const;
    virtual std::string getFile() const;
    virtual int getHype() const;
    virtual int isUltimate() const;
    virtual int getSupportersPriority() const;
    // One of the supporter ids at random, 0 when there are none.
    virtual int pickRandomId();
    virtual int getIdCount() const;
    virtual void setSupporters(const std::string& text, int priority);
    // Comma list of ids, empty pieces read as 0; at most 100 are kept.
    virtual void parseIdList(const std::string& text);
    virtual void setUltimate(int value);
    // "x1,y1,x2,y2": kept only when all four are there and the rectangle is not inverted.
    virtual void addNoGoZone(const std::string& text);
    virtual bool isPositionAllowed(int x, int y) const;
    // Takes over the command tree; nothing happens for a null tree.
    virtual void addTrigger(std::string when, std::string actor, QXML_Command* commands, int priority);

    // Supporter id at position i, 0 outside 0 .. id count - 1.
    int getIdAt(int i) const;
    int getNoGoZoneCount() const;
    // Zone i, or null outside the list.
    const StadiumNoGoZone* getNoGoZone(int i) const;

    // Read directly by the trigger dispatch of the battle engine.
    std::vector<ZelkinBuffTrigger*> triggers;
    // The events of the triggers, kept by addTrigger.
    BattleEventSet triggerEvents;

private:
    std::string name;
    std::string file;
    int hype = 0;
    int ultimate = 0;
    int idCount = 0;
    int supportersPriority = 80;
    int ids[MAX_IDS] = {};
    std::vector<StadiumNoGoZone> zones;
};
