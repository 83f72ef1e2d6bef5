// One trigger ready to run, with where it came from, and the per-thread counter that numbers handlers.
#pragma once

#include <string>
#include <vector>

class ZelkinBuff;
class ZelkinMove;
class ZelkinBuffTrigger;

// Where a trigger comes from; the number is also the tie-break order between equal priorities.
enum TriggerOrigin : int {
    ORIGIN_NONE = 0,
    ORIGIN_RULESET = 1,
    ORIGIN_STADIUM = 2,
    ORIGIN_GLOBAL_BUFF = 3,
    ORIGIN_ABILITY = 4,
    ORIGIN_BUFF = 6,
    ORIGIN_STATUS = 7,
    ORIGIN_MOVE = 8,
};

// Handlers are numbered in the order they are made. The counter belongs to the calling thread, so a bot's
// look-ahead dispatching on its own thread never disturbs the numbering of the battle on screen.
namespace triggerSequence {
// One counter per thread: a dispatch only needs its own numbers to rise in collection order, and a bot's
// copy of the battle dispatches on its own thread at the same time as the battle on screen. Inline, as
// every dispatch resets it and every handler made takes a number.
inline thread_local int counter = 0;
} // namespace triggerSequence

inline int nextTriggerSequence() { return ++triggerSequence::counter; }
inline void resetTriggerSequence() { triggerSequence::counter = 0; }
inline int currentTriggerSequence() { return triggerSequence::counter; }

class TriggerHandler final {
public:
    // All fields zero and no sequence number taken.
    TriggerHandler() = default;
    // Takes the next sequence number; nothing here is owned.
    TriggerHandler(int origin, int side, ZelkinBuff* holder, ZelkinMove* source, ZelkinBuffTrigger* trigger)
        : sequence(nextTriggerSequence()), origin(origin), side(side), holder(holder), source(source),
          trigger(trigger) {}
    // The handler under which a move's effects run from a command: origin 8, the move as source.
    TriggerHandler(int side, ZelkinMove* move)
        : sequence(nextTriggerSequence()), origin(ORIGIN_MOVE), side(side), source(move) {}
    // Plain data: copied as a block.
    TriggerHandler(const TriggerHandler&) = default;
    TriggerHandler& operator=(const TriggerHandler&) = default;

    ZelkinBuff* getHolder() const;
    ZelkinMove* getSource() const;
    int getOrigin() const;
    int getSequence() const;
    int getSide() const;
    ZelkinBuffTrigger* getTrigger() const;
    // "value", "duration" (truncated) and "alive" (0 kills) of the holder; anything else is ignored.
    void setVariable(const std::string& name, float value);
    // "value", "duration", "alive" of the holder; 0 without a holder or for another name.
    float getVariable(const std::string& name) const;
    // "tag" and "name" of the move source, else of the holder's definition; empty otherwise.
    std::vector<std::string> getTextVariable(const std::string& name) const;

private:
    int sequence = 0;
    int origin = 0;
    int side = 0;
    ZelkinBuff* holder = nullptr;
    ZelkinMove* source = nullptr;
    ZelkinBuffTrigger* trigger = nullptr;
};

// The one order of handlers in a dispatch: higher priority first, then the smaller origin, then the
// smaller sequence number (collection order). Total within a dispatch, so any sort gives the same order.
bool compareHandlers(const TriggerHandler& a, const TriggerHandler& b);
