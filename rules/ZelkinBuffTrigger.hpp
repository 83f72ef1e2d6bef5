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
    virtual int getEvent();
    virtual void setPriority(int value);
    virtual int getPriority();
    // A negative side matches every trigger; 0 matches actor "SOURCE"/"source", 1 "TARGET"/"target".
    virtual bool matchesActor(int side);
    virtual std::string getWhen();
    virtual std::string getActor();
    virtual QXML_Command* getCommands();

private:
    int event = 0;
    int priority = 0;
    // The actor word read once: 0 for "SOURCE"/"source", 1 for "TARGET"/"target", -1 for anything else.
    int actorSide = -1;
    std::string when;
    std::string actor;
    QXML_Command* commands = nullptr;
};
