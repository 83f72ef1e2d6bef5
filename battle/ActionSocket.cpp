// One unit of work of the battle engine.
#include "battle/ActionSocket.hpp"

#include "battle/VariableTable.hpp"
#include "rules/PseudoRNG.hpp"

namespace {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool POOLED = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
constexpr bool POOLED = false;
#else
constexpr bool POOLED = true;
#endif
#else
constexpr bool POOLED = true;
#endif

// Freed actions of this thread, each block's first bytes pointing to the next; at most CAPACITY kept.
struct FreeActions {
    static constexpr int CAPACITY = 64;
    void* head = nullptr;
    int count = 0;
    ~FreeActions() {
        while (head != nullptr) {
            void* next = *static_cast<void**>(head);
            ::operator delete(head);
            head = next;
        }
    }
};

FreeActions& freeActions() {
    static thread_local FreeActions pool;
    return pool;
}

int drawRoll() {
    PseudoRNG rng;
    return rng.random(100);
}
} // namespace

ActionSocket::ActionSocket(ZelkinMove* move, int side, int slot)
    : type(MOVE_ORDER), source(side), argument(slot), value(move), roll(drawRoll()) {}

ActionSocket::ActionSocket(int type, int side, int argument)
    : type(type), source(side), argument(argument), roll(drawRoll()) {}

ActionSocket::ActionSocket(int side, QXML_Command* carrier)
    : type(DEFERRED_EFFECT), source(side), commands(carrier), roll(drawRoll()) {}

ActionSocket::ActionSocket(int type, int side, int argument, int priority)
    : type(type), source(side), argument(argument), roll(drawRoll()), priority(priority) {}

ActionSocket::~ActionSocket() { delete variables; }

void* ActionSocket::operator new(std::size_t size) {
    if (POOLED && size == sizeof(ActionSocket)) {
        FreeActions& pool = freeActions();
        if (pool.head != nullptr) {
            void* block = pool.head;
            pool.head = *static_cast<void**>(block);
            --pool.count;
            return block;
        }
    }
    return ::operator new(size);
}

void ActionSocket::operator delete(void* block) noexcept {
    if (block == nullptr) return;
    if (POOLED) {
        FreeActions& pool = freeActions();
        if (pool.count < FreeActions::CAPACITY) {
            *static_cast<void**>(block) = pool.head;
            pool.head = block;
            ++pool.count;
            return;
        }
    }
    ::operator delete(block);
}

VariableTable* ActionSocket::getVariables() {
    // Made when first asked for: the engine itself never reads it, and a battle queues hundreds of orders.
    if (variables == nullptr && type == MOVE_ORDER) variables = new VariableTable();
    return variables;
}
