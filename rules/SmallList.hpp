// A list of plain values that keeps its first few entries inside the owner instead of on the heap: creatures
// are copied by the hundred in a bot's look-ahead, and almost every short list of theirs fits in place.
#pragma once

#include <cstddef>
#include <type_traits>
#include <vector>

template <typename T, std::size_t InPlace> class SmallList {
    static_assert(std::is_trivially_copyable<T>::value, "SmallList holds plain values only");

public:
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const T& operator[](std::size_t i) const { return data()[i]; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + count; }

    void push_back(const T& value) {
        if (count < InPlace) {
            inPlace[count++] = value;
            return;
        }
        // Past the places inside: every entry moves to the heap list, which then holds the whole list.
        if (count == InPlace) spilled.assign(inPlace, inPlace + InPlace);
        spilled.push_back(value);
        ++count;
    }

private:
    const T* data() const { return count <= InPlace ? inPlace : spilled.data(); }

    T inPlace[InPlace] = {};
    std::vector<T> spilled;
    std::size_t count = 0;
};
