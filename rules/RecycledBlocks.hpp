// Each thread keeps up to 64 freed blocks of one size for the next objects of that size: the battle makes
// and drops hundreds of small records a turn, and a bot's look-ahead copies creatures by the dozen.
// Sanitizer builds allocate every object on its own, so a use after free is still caught there.
#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUORVEX_RECYCLE_BLOCKS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define QUORVEX_RECYCLE_BLOCKS 0
#endif
#endif
#ifndef QUORVEX_RECYCLE_BLOCKS
#define QUORVEX_RECYCLE_BLOCKS 1
#endif

template <std::size_t SIZE> class RecycledBlocks {
public:
    static void* take(std::size_t size) {
        if (QUORVEX_RECYCLE_BLOCKS && size == SIZE) {
            Cache& cache = threadCache();
            if (cache.head != nullptr) {
                void* block = cache.head;
                cache.head = *static_cast<void**>(block);
                ++cache.room;
                return block;
            }
        }
        return ::operator new(size);
    }

    // Nearly always the block joins a cache with room left: that case alone is inline.
    static void give(void* block) noexcept {
        if (QUORVEX_RECYCLE_BLOCKS) {
            Cache& cache = threadCache();
            if (block != nullptr && cache.room > 0) {
                keep(cache, block);
                return;
            }
        }
        giveOtherwise(block);
    }

    // For a class with derived classes, whose delete learns the size: a block of another size was never
    // taken from the kept ones and goes straight back.
    static void give(void* block, std::size_t size) noexcept {
        if (size == SIZE)
            give(block);
        else
            ::operator delete(block);
    }

private:
    static_assert(SIZE >= sizeof(void*), "a freed block holds the link to the next");
    static constexpr int CAPACITY = 64;

    // The first bytes of each freed block point to the next one. Plain data, so it stays usable until its
    // thread is gone: objects that thread-local or static lists free at the very end still come here.
    // room is how many more blocks the cache takes: 0 until its first block, when full and once closed.
    struct Cache {
        void* head = nullptr;
        int room = 0;
        bool opened = false;
        bool closed = false;
    };

    static void keep(Cache& cache, void* block) {
        *static_cast<void**>(block) = cache.head;
        cache.head = block;
        --cache.room;
    }

    // The rest of give: a null block, the first block the thread keeps, a full cache, or one closed at the
    // end of its thread.
    [[gnu::noinline]] static void giveOtherwise(void* block) noexcept {
        if (block == nullptr) return;
        if (QUORVEX_RECYCLE_BLOCKS) {
            Cache& cache = threadCache();
            if (!cache.opened && !cache.closed) {
                keepReleased();
                cache.opened = true;
                cache.room = CAPACITY;
            }
            if (cache.room > 0) {
                keep(cache, block);
                return;
            }
        }
        ::operator delete(block);
    }

    // Frees the kept blocks when its thread ends; whatever is given back after that is freed at once.
    struct Releaser {
        ~Releaser() {
            Cache& cache = threadCache();
            while (cache.head != nullptr) {
                void* next = *static_cast<void**>(cache.head);
                ::operator delete(cache.head);
                cache.head = next;
            }
            cache.room = 0;
            cache.closed = true;
        }
    };

    static Cache& threadCache() {
        static thread_local Cache cache;
        return cache;
    }

    // Made when the first block is kept. A thread-local object made after it ends before it, and what that
    // object frees is released here; one made before it ends after it and finds the cache closed.
    static void keepReleased() { static thread_local Releaser releaser; }
};
