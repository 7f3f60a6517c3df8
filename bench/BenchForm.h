#pragma once

#include "BenchHistory.h"
#include "NullPlatform.h"
#include "app/TForm1.h"

namespace varo::bench {

// A form on do-nothing platform services over a history of this many weekly draws, as
// after start-up.
struct BenchForm {
    explicit BenchForm(int records) : form{{ui, shell, clock, sound, writeBenchHistory(records)}} {
        form.FormCreate(440);
    }

    NullUi ui;
    NullShell shell;
    NullClock clock;
    NullSound sound;
    TForm1 form;
};

}  // namespace varo::bench
