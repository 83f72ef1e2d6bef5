// A live buff: one applied buff, status or ability with its changing value, duration and life.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class ZelkinBuffData;

class ZelkinBuff {
public:
    // Alive, duration 0 (no countdown), the three further integers 0.
    ZelkinBuff(ZelkinBuffData* definition, int value);
    // The definition is shared and never freed here.
    virtual ~ZelkinBuff() = default;
    // Buffs come and go every turn and a look-ahead copies each creature's: freed ones are kept for the next
    // (see RecycledBlocks).
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size) noexcept;
    ZelkinBuff(const ZelkinBuff&) = default;
    ZelkinBuff& operator=(const ZelkinBuff&) = default;

    bool isAlive() { return alive; }
    int getDuration() { return duration; }
    int getValue() { return value; }
    void setDuration(int turns) { duration = turns; }
    void setValue(int amount) { value = amount; }
    virtual void kill();
    virtual void revive();
    // Counts one turn down; a duration below 1 means no countdown. Reaching 0 kills the buff.
    virtual int tickDuration();
    int getExtraA() { return extraA; }
    int getExtraB() { return extraB; }
    int getExtraC() { return extraC; }
    ZelkinBuffData* getDefinition() { return definition; }
    virtual void setExtraInts(int first, int second);
    // Script writes by name: "value" and "duration" truncate toward zero; "alive" only ever kills.
    virtual void setVariable(std::string name, float number);
    // Script reads by name: "value", "duration", "alive" (1 or 0); anything else reads 0.
    virtual float getVariable(std::string name);
    // "tag" gives the definition's tags, "name" its name; any other key an empty list.
    virtual std::vector<std::string> getStrings(std::string key);

private:
    ZelkinBuffData* definition = nullptr;
    bool alive = true;
    int duration = 0;
    int value = 0;
    int extraA = 0;
    int extraB = 0;
    int extraC = 0;
};

// The calling thread's list of buffs taken out of play but not yet deleted. Each thread has its own, so a
// bot's look-ahead copy on a worker thread never touches the main thread's list; whatever is still on a
// list is deleted when its thread ends. The list owns its entries.
std::vector<ZelkinBuff*>& discardedBuffs();
// Deletes every buff on the calling thread's list now.
void clearDiscardedBuffs();
