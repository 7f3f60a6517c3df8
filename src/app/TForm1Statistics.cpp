// The statistics of the main window: each publishes its result into Series2.
#include "app/TForm1.h"
#include "common/DateSerial.h"
#include "statistics/GroupStatistics.h"
#include "statistics/NumberFrequency.h"
#include "statistics/OverdueNumbers.h"
#include "statistics/SumDistribution.h"
#include "statistics/TipDistribution.h"

namespace varo {

void TForm1::SpeedButton2Click() {
    BusyCursor busy(services_.ui);
    const std::vector<DrawRecord> draws = beginHistoryStatistic();
    // The numbers over the bars go for good with the first number frequency.
    Series2.setMarksVisible(false);
    changed(FormPart::Chart);

    const NumberFrequency frequency = countNumberFrequency(
        draws, aktDatum,
        [this](const DrawRecord& draw) { services_.ui.showMessage(formatShortDate(draw.Datum)); });
    publishNumberFrequency(frequency, Series2);
    finishStatistic(false);
}

std::vector<DrawRecord> TForm1::beginHistoryStatistic() {
    // Read before the chart is emptied, so a missing or unreadable history leaves the chart
    // as it was.
    std::vector<DrawRecord> draws = history().scan();
    aktDatum = DateTimePicker2.date;
    emptyChart();
    return draws;
}

void TForm1::emptyChart() {
    Series2.showOnly(StatSeries::Series::Series2);
    Series2.clear();
}

void TForm1::finishStatistic(bool showChartPage) {
    changed(FormPart::Chart);
    if (showChartPage) {
        activePage = Page::TabSheet5;
        changed(FormPart::Page);
    }
}

void TForm1::groupStatistic(const GroupKind& kind) {
    BusyCursor busy(services_.ui);
    const std::vector<DrawRecord> draws = beginHistoryStatistic();
    publishGroups(countGroups(draws, kind, aktDatum, {checkBox[16], checkBox[17]}, current),
                  Series2);
    finishStatistic(true);
}

void TForm1::Button2Click() {
    groupStatistic(kPairs);
}
void TForm1::Button3Click() {
    groupStatistic(kTriples);
}
void TForm1::Button4Click() {
    groupStatistic(kQuadruples);
}

void TForm1::Button5Click() {
    BusyCursor busy(services_.ui);
    const std::vector<DrawRecord> draws = beginHistoryStatistic();
    publishOverdueNumbers(countOverdueNumbers(draws, aktDatum), Series2);
    finishStatistic(true);
}

void TForm1::SpeedButton9Click() {
    BusyCursor busy(services_.ui);
    const std::vector<DrawRecord> draws = beginHistoryStatistic();
    publishSumDistribution(countSumDistribution(draws, aktDatum, {checkBox[16], checkBox[17]}),
                           Series2);
    // The button sits on the chart page, which stays as it is.
    finishStatistic(false);
}

void TForm1::Button6Click() {
    // Reads only the tip sheet: no history, and aktDatum stays as it is.
    BusyCursor busy(services_.ui);
    emptyChart();
    publishTipDistribution(countTipDistribution(tips), Series2);
    finishStatistic(true);
}

}  // namespace varo
