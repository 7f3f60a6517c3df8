#pragma once

#include <cstdint>

namespace varo {

class Clock {
  public:
    virtual ~Clock() = default;
    // Today as a whole-day serial (days since 30.12.1899).
    virtual double today() = 0;
    // Milliseconds since some fixed point; for seeding and timing.
    virtual std::uint32_t tickCount() = 0;
    // A high-resolution counter value.
    virtual std::int64_t performanceCounter() = 0;
};

}  // namespace varo
