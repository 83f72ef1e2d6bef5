// One trigger: a battle event, a priority, an optional side and the command tree run when it fires.
#pragma once

#include <string>

class QXML_Command;

class ZelkinBuffTrigger {
public:
    // Both constructors take over the command tree; the trigger deletes it.
    ZelkinBuffTrigger(std::string when, QXML_Command* commands);
    ZelkinBuffTrigger(std::string when, std::string actor, QXML_Command* commands);
    virtual ~ZelkinBuffTrigger();
    ZelkinBuffTrigger(const ZelkinBuffTrigger&) = delete;
    ZelkinBuffTrigger& operator=(const ZelkinBuffTrigger&) = delete;

    // Sets the event number from the when text (unknown words wait for the end of the turn).
    virtual void parseEvent();
    // Read at every dispatch, so inline.
    int getEvent() const { return event; }
    void setPriority(int value) { priority = value; }
    int getPriority() const { return priority; }
    // A negative side matches every trigger; 0 matches actor "SOURCE"/"source", 1 "TARGET"/"target".
    bool matchesActor(int side) const { return side < 0 || (side <= 1 && side == actorSide); }
    virtual std::string getWhen();
    virtual std::string getActor();
    QXML_Command* getCommands() const { return commands; }

private:
    int event = 0;
    int priority = 0;
    // The actor word read once: 0 for "SOURCE"/"source", 1 for "TARGET"/"target", -1 for anything else.
    int actorSide = -1;
    std::string when;
    std::string actor;
    QXML_Command* commands = nullptr;
};
