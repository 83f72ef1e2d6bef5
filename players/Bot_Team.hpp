// One side of the tag tournament: a named queue of participants sending one member into each battle.
#pragma once

#include <string>
#include <vector>

class ZelkBot;

class Bot_Team {
public:
    explicit Bot_Team(const std::string& name);
    // Deletes the transient members (made for this series); roster bots are left alone.
    virtual ~Bot_Team();
    Bot_Team(const Bot_Team&) = delete;
    Bot_Team& operator=(const Bot_Team&) = delete;

    virtual void addMember(ZelkBot* bot);
    // Waiting members plus the current one.
    virtual int countRemaining();
    virtual int countWaiting();
    virtual const std::string& getName();
    virtual ZelkBot* getCurrent();
    // Retires the current member and sends in the last waiting one; null when nobody waits.
    virtual ZelkBot* nextInOrder();
    // Retires the current member and sends in a random waiting one; null when nobody waits.
    virtual ZelkBot* nextRandom();
    virtual ZelkBot* getWaiting(int i);
    virtual void retireCurrent();

    int countDone() const { return static_cast<int>(done.size()); }
    ZelkBot* getDone(int i) const;

private:
    std::string name;
    std::vector<ZelkBot*> waiting;
    std::vector<ZelkBot*> done;
    ZelkBot* current = nullptr;
};
