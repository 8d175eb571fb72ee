#pragma once
#include <cstdint>

namespace vx {

// One draw of the 32-bit linear congruential generator: the seed advances to
// seed * 134775813 + 1 (modulo 2^32) and the index is the upper half of the 64-bit product of
// the new seed and `count`, so it lies in 0 .. count - 1.
int drawIndex(std::uint32_t& seed, int count);

// The next entry in random order: seeds from `clock` (milliseconds of the day) before every
// draw and draws until the index differs from `current` or there is only one entry. Gives -1
// for an empty list. `clock` must move on, or a list of two or more entries keeps drawing.
template <class Clock> int randomIndex(Clock&& clock, int count, int current) {
    if (count <= 0)
        return -1;
    for (;;) {
        std::uint32_t seed = clock();
        const int index = drawIndex(seed, count);
        if (index != current || count == 1)
            return index;
    }
}

} // namespace vx
