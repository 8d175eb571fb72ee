#include "player/RandomChoice.h"

namespace vx {

int drawIndex(std::uint32_t& seed, int count) {
    seed = seed * 134775813u + 1u;
    return int((std::uint64_t(seed) * std::uint32_t(count)) >> 32);
}

} // namespace vx
