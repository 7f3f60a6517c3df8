#pragma once

#include "platform/Clock.h"

namespace varo {

class SystemClock : public Clock {
  public:
    double today() override;
    std::uint32_t tickCount() override;
    std::int64_t performanceCounter() override;
};

}  // namespace varo
