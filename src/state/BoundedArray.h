#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

// A fixed-size array indexed from 0 whose every access checks its bounds:
// an index outside them throws instead of touching memory.
class SubscriptOutOfRange : public std::out_of_range {
public:
    explicit SubscriptOutOfRange(long long index, std::size_t size)
        : std::out_of_range("subscript out of range: " + std::to_string(index) + " not in 0.." +
                            std::to_string(size - 1)) {}
};

template <typename T, std::size_t Size> class BoundedArray {
public:
    static constexpr int upperBound = static_cast<int>(Size) - 1;

    T& operator[](long long index) { return items_[checked(index)]; }
    const T& operator[](long long index) const { return items_[checked(index)]; }

    static bool inBounds(long long index) { return index >= 0 && index <= upperBound; }

    void swapEntries(long long a, long long b) {
        std::swap(items_[checked(a)], items_[checked(b)]);
    }

private:
    static std::size_t checked(long long index) {
        if (!inBounds(index))
            throw SubscriptOutOfRange(index, Size);
        return static_cast<std::size_t>(index);
    }

    std::array<T, Size> items_{};
};
