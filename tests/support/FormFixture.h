#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "app/TForm1.h"
#include "support/FakePlatform.h"
#include "support/HistoryFixture.h"
#include "support/TempDir.h"

namespace varo::test {

// A form on fake platform services, with its program folder in a fresh temporary folder.
class FormFixture : public ::testing::Test {
  public:
    static constexpr double kToday = 46366.0;        // 10.12.2026
    static constexpr double kFirstSunday = 22933.0;  // 14.10.1962

  protected:
    FormFixture() : clock(kToday), form({ui, shell, clock, sound, folder.path()}) {
        form.setChangeListener([this](FormPart part) { changes.push_back(part); });
    }

    void writeHistory(const std::vector<DrawRecord>& draws) {
        folder.writeFile("varo.dat", historyBytes(draws));
    }

    TempDir folder;
    FakeUi ui;
    FakeShell shell;
    FixedClock clock;
    FakeSound sound;
    TForm1 form;
    std::vector<FormPart> changes;
};

}  // namespace varo::test
