#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Ui.h"

namespace varo::bench {

// Platform stand-ins that do nothing: the benchmarks measure the logic alone.
class NullUi : public Ui {
  public:
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::string inputText(const std::string&, const std::string&,
                          const std::string& preset) override {
        return preset;
    }
    void repaint() override {}
    void setBusyCursor(bool) override {}
    void scalePages(double) override {}
};

class NullShell : public Shell {
  public:
    void open(const std::string&) override {}
};

class NullSound : public Sound {
  public:
    void playAsync(const std::string&) override {}
};

class NullClock : public Clock {
  public:
    double today() override { return 46366.0; }
    std::uint32_t tickCount() override { return 0; }
    std::int64_t performanceCounter() override { return 0; }
};

}  // namespace varo::bench
