// A run of texts read where they lie (a whole list, or one text alone) instead of copied into a new list.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct TextItems {
    const std::string* first = nullptr;
    std::size_t count = 0;

    TextItems() = default;
    TextItems(const std::string* first, std::size_t count) : first(first), count(count) {}
    // The items of a list, valid while the list is not changed.
    explicit TextItems(const std::vector<std::string>& list) : first(list.data()), count(list.size()) {}
    // One text as a list of one item.
    explicit TextItems(const std::string& text) : first(&text), count(1) {}

    const std::string* begin() const { return first; }
    const std::string* end() const { return first + count; }
    bool empty() const { return count == 0; }
    std::size_t size() const { return count; }
    std::vector<std::string> toList() const { return std::vector<std::string>(begin(), end()); }
};
