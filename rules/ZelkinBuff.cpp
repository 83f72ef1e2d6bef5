// A live buff: one applied buff, status or ability with its changing value, duration and life.
#include "rules/ZelkinBuff.hpp"

#include "rules/Platform.hpp"
#include "rules/RecycledBlocks.hpp"
#include "rules/ZelkinBuffData.hpp"

ZelkinBuff::ZelkinBuff(ZelkinBuffData* definition, int value) : definition(definition), value(value) {}

void* ZelkinBuff::operator new(std::size_t size) { return RecycledBlocks<sizeof(ZelkinBuff)>::take(size); }

void ZelkinBuff::operator delete(void* block, std::size_t size) noexcept {
    RecycledBlocks<sizeof(ZelkinBuff)>::give(block, size);
}

void ZelkinBuff::kill() { alive = false; }

void ZelkinBuff::revive() { alive = true; }

int ZelkinBuff::tickDuration() {
    if (duration < 1) return duration;
    --duration;
    if (duration == 0) kill();
    return duration;
}

void ZelkinBuff::setExtraInts(int first, int second) {
    extraA = first;
    extraB = second;
}

void ZelkinBuff::setVariable(std::string name, float number) {
    // Scripts compute in floats; an absurd or NaN result saturates rather than overflowing the int.
    if (name == "value")
        value = saturatingInt(number);
    else if (name == "duration")
        duration = saturatingInt(number);
    else if (name == "alive" && number == 0.0f)
        kill();
}

float ZelkinBuff::getVariable(std::string name) {
    if (name == "value") return static_cast<float>(value);
    if (name == "duration") return static_cast<float>(duration);
    if (name == "alive") return alive ? 1.0f : 0.0f;
    return 0.0f;
}

std::vector<std::string> ZelkinBuff::getStrings(std::string key) {
    if (!definition) return {};
    if (key == "tag") return definition->tags;
    if (key == "name") return {definition->name};
    return {};
}

namespace {
struct DiscardedBuffList {
    std::vector<ZelkinBuff*> buffs;
    ~DiscardedBuffList() {
        for (ZelkinBuff* buff : buffs)
            delete buff;
    }
};
} // namespace

std::vector<ZelkinBuff*>& discardedBuffs() {
    thread_local DiscardedBuffList list;
    return list.buffs;
}

void clearDiscardedBuffs() {
    std::vector<ZelkinBuff*>& buffs = discardedBuffs();
    for (ZelkinBuff* buff : buffs)
        delete buff;
    buffs.clear();
}
