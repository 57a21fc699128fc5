#pragma once

#include <stdexcept>
#include <string>

// A position outside the album's photos (or the 40 ordinal words): a
// programming error, thrown instead of touching memory.
class SubscriptOutOfRange : public std::out_of_range {
public:
    SubscriptOutOfRange(long long index, long long first, long long last)
        : std::out_of_range("subscript out of range: " + std::to_string(index) + " not in " +
                            std::to_string(first) + ".." + std::to_string(last)) {}
};
