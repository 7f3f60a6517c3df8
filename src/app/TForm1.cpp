#include "app/TForm1.h"

#include <utility>

#include "common/DateSerial.h"

namespace varo {
namespace {

// 14.10.1962, the first draw of the bet: design date and minimum of the statistics start.
const double kFirstDrawDate = dateFromCivil(1962, 10, 14);
// The check date's picker accepts one week earlier.
const double kCheckDateMinimum = dateFromCivil(1962, 10, 7);

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

TForm1::TForm1(FormServices services) : services_(std::move(services)) {
    checkBox = designCheckBoxes();
    upDown = designSpinBoxes();

    DateTimePicker1 = {kFirstDrawDate, kCheckDateMinimum};
    DateTimePicker2 = {kFirstDrawDate, kFirstDrawDate};

    Label13 = "Quersumme";
    ProxyPortEdit = "80";
    Memo1 = "Memo1";
}

void TForm1::setChangeListener(std::function<void(FormPart)> listener) {
    listener_ = std::move(listener);
}

void TForm1::changed(FormPart part) {
    if (listener_) listener_(part);
}

void TForm1::FormCreate(int outerHeight) {
    SoundName = "yippee.wav";
    LaufMax = 100000;
    sortieren = false;
    Groesse = outerHeight;

    // Settings are not stored yet: the design values stand.
    sortieren = true;
    FileNameEdit = "Lotto.html";
    URLEdit = "https://www.example.org/auswahlwette/quoten";
    if (ProxyHostEdit.empty()) ProxyPortEdit = "80";
    LaufMax = upDown[7].position * 1000;

    ZahlenFile = kZahlenFile;
    Home = withTrailingSlash(services_.programDirectory);

    reseedFromClock();

    DateTimePicker1.setDate(services_.clock.today());
    changed(FormPart::All);

    // The latest draw and the restored tips checked against it. A damaged history ends the
    // start-up here with the error box; the window still opens.
    SpeedButton5Click();

    // The start-up statistic is best effort: without a history the chart stays empty.
    try {
        SpeedButton2Click();
    } catch (const std::exception&) {
    }
}

void TForm1::FormClose() {}

void TForm1::FormResize(int outerHeight) {
    if (outerHeight == Groesse || Groesse <= 0) return;
    try {
        services_.ui.scalePages(static_cast<double>(outerHeight) / Groesse);
    } catch (const std::exception&) {
        // A failed scaling leaves the pages as they were.
    }
    Groesse = outerHeight;
}

void TForm1::Label52Click(const std::string& caption) {
    services_.shell.open(caption);
}

}  // namespace varo
