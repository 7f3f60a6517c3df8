// The statistics of the main window: each publishes its result into Series2.
#include "app/TForm1.h"
#include "common/DateSerial.h"
#include "statistics/NumberFrequency.h"

namespace varo {

void TForm1::SpeedButton2Click() {
    BusyCursor busy(services_.ui);
    const std::vector<DrawRecord> draws = history().scan();
    aktDatum = DateTimePicker2.date;
    Series2.showOnly(StatSeries::Series::Series2);
    Series2.clear();
    Series2.setMarksVisible(false);
    changed(FormPart::Chart);

    const NumberFrequency frequency = countNumberFrequency(
        draws, aktDatum,
        [this](const DrawRecord& draw) { services_.ui.showMessage(formatShortDate(draw.Datum)); });
    publishNumberFrequency(frequency, Series2);
    changed(FormPart::Chart);
}

void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button4Click() {}
void TForm1::Button5Click() {}
void TForm1::SpeedButton9Click() {}
void TForm1::Button6Click() {}

}  // namespace varo
