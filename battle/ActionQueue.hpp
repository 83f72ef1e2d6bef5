// A short list of actions, front first, that the engine mostly adds to and takes from at the front.
#pragma once

#include <cstddef>
#include <vector>

class ActionSocket;

// The actions sit at the end of one vector with free room before them, so that adding or taking the front
// one moves nothing; the room and the vector's memory are kept when the list empties, from turn to turn.
// It holds the pointers only: whoever takes an action off deletes it.
class ActionQueue {
public:
    using iterator = ActionSocket**;
    using const_iterator = ActionSocket* const*;

    iterator begin() { return slots.data() + head; }
    iterator end() { return begin() + count; }
    const_iterator begin() const { return slots.data() + head; }
    const_iterator end() const { return begin() + count; }
    bool empty() const { return count == 0; }
    std::size_t size() const { return count; }
    // Neither may be asked of an empty list.
    ActionSocket* front() const { return slots[head]; }
    ActionSocket* back() const { return slots.back(); }

    void push_back(ActionSocket* action) {
        slots.push_back(action);
        ++count;
    }
    void push_front(ActionSocket* action) {
        if (head == 0) makeFrontRoom();
        slots[--head] = action;
        ++count;
    }
    // Takes the first action off and hands it over; the list must not be empty.
    ActionSocket* pop_front() {
        ActionSocket* action = slots[head++];
        if (--count == 0) clear();
        return action;
    }
    // Before the action at, as std::vector::insert; the new action's place is returned.
    iterator insert(iterator at, ActionSocket* action) {
        std::size_t offset = static_cast<std::size_t>(at - begin());
        if (offset == 0) {
            push_front(action);
        } else {
            slots.insert(slots.begin() + static_cast<std::ptrdiff_t>(head + offset), action);
            ++count;
        }
        return begin() + offset;
    }
    // Takes the action at off without deleting it; the place of the one that followed is returned.
    iterator erase(iterator at) {
        std::size_t offset = static_cast<std::size_t>(at - begin());
        if (offset == 0) {
            pop_front();
        } else {
            slots.erase(slots.begin() + static_cast<std::ptrdiff_t>(head + offset));
            --count;
        }
        return begin() + offset;
    }
    // Forgets every action without deleting any.
    void clear();

private:
    // Out of line, so that the frequent operations stay small where they are inlined.
    void makeFrontRoom();

    std::vector<ActionSocket*> slots;
    // The actions are slots[head] to the end of slots; the places before them are free.
    std::size_t head = 0;
    std::size_t count = 0;
};
