// The tip sheet's handlers and the current draw: choosing it, stepping and checking.
#include <filesystem>

#include "app/TForm1.h"
#include "common/DateSerial.h"
#include "evaluation/DrawLine.h"
#include "evaluation/DrawNavigation.h"
#include "evaluation/Komplettcheck.h"

namespace varo {

void TForm1::Edit1Change(int tip, int position, const std::string& text) {
    tips.setCell(tip, position, text);
    changed(FormPart::TipSheet);
}

void TForm1::Edit1Exit() {
    if (sortieren) Komplettcheck();
}

void TForm1::Label30Click(int tip) {
    tips.toggleMark(tip);
    changed(FormPart::TipSheet);
}

void TForm1::SpeedButton11Click() {
    tips.clearUnmarked();
    changed(FormPart::TipSheet);
}

int TForm1::Komplettcheck() {
    if (!sortieren) return 0;
    const int best = varo::Komplettcheck(tips, current, [this] { playWinSound(); });
    changed(FormPart::TipSheet);
    return best;
}

void TForm1::playWinSound() {
    // The sound file is looked up in the program's folder, then in the current folder.
    std::error_code error;
    for (const std::string& candidate : {Home + SoundName, SoundName}) {
        if (std::filesystem::is_regular_file(candidate, error)) {
            services_.sound.playAsync(std::filesystem::absolute(candidate, error).string());
            return;
        }
    }
}

bool TForm1::excludedDay(double date) const {
    const int weekday = dayOfWeek(date);
    return (!checkBox[16] && weekday == 1) || (!checkBox[17] && weekday == 4);
}

void TForm1::showDraw(const DrawRecord& record, bool threeBlanks) {
    current.loadNumbers(record);
    current.Datum1 = record.Datum;
    Label29 = drawLine(record.Datum, current, threeBlanks);
    Label13 = sumLine(current);
    Label35 = Label29;
    // A draw older than the picker's earliest date leaves the picker at that date; the
    // draw itself, and Datum1 that deleting a draw relies on, stay the draw's.
    if (!DateTimePicker1.setDate(record.Datum)) DateTimePicker1.date = DateTimePicker1.minDate;
    changed(FormPart::DrawLines);
    changed(FormPart::Options);
}

void TForm1::SpeedButton5Click() {
    const DrawHistoryFile file = history();
    if (!file.exists()) {
        services_.ui.showMessage("Lesen Sie zuerst die Daten der Ziehungen ein");
        return;
    }
    const std::vector<DrawRecord> records = file.scan();
    if (records.empty()) return;
    aktDatum = static_cast<double>(roundHalfEven(DateTimePicker1.date));
    const std::size_t index = *drawOnOrAfter(records, aktDatum);
    current.Position = static_cast<std::int32_t>(index);
    showDraw(records[index], index == 0 && records.size() > 1);
    Komplettcheck();
}

void TForm1::SpeedButton6Click() {
    stepDraw(false);
}

void TForm1::SpeedButton7Click() {
    stepDraw(true);
}

void TForm1::stepDraw(bool forward) {
    const std::vector<DrawRecord> records = history().scan();
    const ExcludedDay excluded = [this](double date) { return excludedDay(date); };
    const auto step = forward ? stepForward(records, current.Position, excluded)
                              : stepBack(records, current.Position, excluded);
    if (!step) return;
    current.Position = step->position;
    showDraw(records[step->index], false);
    Komplettcheck();
}

}  // namespace varo
