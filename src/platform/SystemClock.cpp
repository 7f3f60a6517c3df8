#include "platform/SystemClock.h"

#include <chrono>
#include <ctime>

#include "common/DateSerial.h"

namespace varo {

double SystemClock::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dateFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::uint32_t SystemClock::tickCount() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

std::int64_t SystemClock::performanceCounter() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

}  // namespace varo
