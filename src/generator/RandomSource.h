#pragma once

#include <cstdint>

namespace varo {

// The program's one random source: a 32-bit linear congruential state. Setting the state
// to a lucky number makes a run of the generator repeatable exactly.
class RandomSource {
  public:
    // Advances the state and returns a number from 0 to n - 1 (0 when n is 0).
    std::uint32_t nextBelow(std::uint32_t n) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{n} * state_) >> 32);
    }

    void setState(std::uint32_t state) { state_ = state; }
    std::uint32_t state() const { return state_; }

  private:
    std::uint32_t state_ = 0;
};

}  // namespace varo
