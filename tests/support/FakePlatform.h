#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Ui.h"

namespace varo::test {

template <typename T>
T takeFront(std::deque<T>& queue) {
    T value = queue.front();
    queue.pop_front();
    return value;
}

// Records what the logic asked of the user interface.
class FakeUi : public Ui {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        questions.push_back(caption + ": " + text);
        return yesNoAnswers.empty() ? false : takeFront(yesNoAnswers);
    }
    std::string inputText(const std::string& caption, const std::string&,
                          const std::string& preset) override {
        inputs.push_back(caption + ": " + preset);
        // An empty queue answers like Cancel: the preset text.
        return textAnswers.empty() ? preset : takeFront(textAnswers);
    }
    void repaint() override { ++repaints; }
    void setBusyCursor(bool busy) override {
        busyDepth += busy ? 1 : -1;
        if (busy) ++busyCount;
    }
    void scalePages(double ratio) override { scaleRatios.push_back(ratio); }

    std::vector<std::string> messages;
    std::vector<std::string> questions;  // "caption: text" of every Yes/No question
    std::vector<std::string> inputs;     // "caption: preset" of every input dialog
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> textAnswers;
    std::vector<double> scaleRatios;
    int repaints = 0;
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
