// A short list of actions, front first.
#include "battle/ActionQueue.hpp"

namespace {
// Room for the actions of a whole turn added at the front before the vector has to move any.
constexpr std::size_t FRONT_ROOM = 8;
} // namespace

void ActionQueue::clear() {
    slots.resize(FRONT_ROOM);
    head = FRONT_ROOM;
    count = 0;
}

void ActionQueue::makeFrontRoom() {
    slots.insert(slots.begin(), FRONT_ROOM, nullptr);
    head += FRONT_ROOM;
}
