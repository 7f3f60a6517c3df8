#pragma once

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Ui.h"

namespace varo::test {

// Records what the logic asked of the user interface.
class FakeUi : public Ui {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setBusyCursor(bool busy) override {
        busyDepth += busy ? 1 : -1;
        if (busy) ++busyCount;
    }
    void scalePages(double ratio) override { scaleRatios.push_back(ratio); }

    std::vector<std::string> messages;
    std::vector<double> scaleRatios;
    int busyDepth = 0;
    int busyCount = 0;
};

class FakeShell : public Shell {
  public:
    void open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

class FakeSound : public Sound {
public:
    void playAsync(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(double todayValue) : todayValue_(todayValue) {}
    double today() override { return todayValue_; }
    std::uint32_t tickCount() override { return ticks; }
    std::int64_t performanceCounter() override { return counter; }

    std::uint32_t ticks = 0;
    std::int64_t counter = 0;

  private:
    double todayValue_;
};

}  // namespace varo::test
