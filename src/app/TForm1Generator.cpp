// The tip generator: the run behind "Tipps berechnen" and the lucky-number start.
#include "app/TForm1.h"
#include "common/NumberText.h"
#include "generator/CandidateSearch.h"
#include "generator/PreferredPool.h"

namespace varo {
namespace {

const char* const kRunStarts = "Beginn der Tippberechnung";
const char* const kRunDone = "Tipps wurden neu berechnet";
const char* const kRunOutOfBudget = "Ändern Sie die Parameter um 12 Tipps zuberechnen";
// With only preferred numbers allowed and none preferred there is nothing to draw from.
const char* const kNoPreferredNumbers =
    "Keine bevorzugten Zahlen gefunden - ändern Sie die Parameter";

DrawNumbers firstSeven(const CurrentDraw& draw) {
    DrawNumbers numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = draw.Zahl[i + 1];
    return numbers;
}

}  // namespace

void TForm1::setStatus(const std::string& text) {
    statusPanels[1] = text;
    changed(FormPart::Status);
    services_.ui.repaint();
}

void TForm1::reseedFromClock() {
    random.setState(static_cast<std::uint32_t>(services_.clock.performanceCounter()));
}

void TForm1::UpDown7Changing() {
    LaufMax = upDown[7].position * 1000;
}

bool TForm1::Secheroderfuenfer(std::int32_t Tipp1, std::int32_t tipp2, std::int32_t tipp3,
                               std::int32_t tipp4, std::int32_t tipp5, std::int32_t tipp6) {
    const int atLeast = upDown[6].position;
    // A run compares many candidates with the same history; it reads the file once.
    std::optional<HistoryMatch> ownCopy;
    if (!generatorRunning_ || !runHistory_) ownCopy.emplace(history().scan());
    if (generatorRunning_ && !runHistory_) runHistory_ = std::move(ownCopy);
    const HistoryMatch& match = runHistory_ ? *runHistory_ : *ownCopy;

    aktDatum = DateTimePicker2.date;
    emptyChart();
    changed(FormPart::Chart);
    return match.noMatch({Tipp1, tipp2, tipp3, tipp4, tipp5, tipp6}, aktDatum, atLeast, current);
}

void TForm1::Label28Click() {
    // The options the search relaxes are put back however the run ends; an error ends it
    // with the sheet check switched on again and the error reported.
    const bool forcedPair = checkBox[8];
    const std::array<int, 3> limits = {upDown[4].position, upDown[5].position, upDown[6].position};
    const auto restore = [this, forcedPair, limits] {
        sortieren = true;
        generatorRunning_ = false;
        runHistory_.reset();
        checkBox[8] = forcedPair;
        upDown[4].setPosition(limits[0]);
        upDown[5].setPosition(limits[1]);
        upDown[6].setPosition(limits[2]);
        changed(FormPart::Options);
    };
    struct RestoreOnError {
        const std::function<void()> restore;
        bool armed = true;
        ~RestoreOnError() {
            if (armed) restore();
        }
    } onError{restore};

    sortieren = false;
    std::optional<BusyCursor> busy(std::in_place, services_.ui);
    generatorRunning_ = true;

    SpeedButton5Click();
    const DrawNumbers lastDraw = firstSeven(current);
    SpeedButton6Click();
    const DrawNumbers drawBefore = firstSeven(current);
    SpeedButton7Click();

    SpeedButton11Click();
    GeneratedTips = {};

    class FormPoolHost : public PoolHost {
      public:
        explicit FormPoolHost(TForm1& form) : form_(form) {}
        const StatSeries& runStatistic(PoolStatistic statistic) override {
            switch (statistic) {
                case PoolStatistic::Overdue:
                    form_.Button5Click();
                    break;
                case PoolStatistic::Pairs:
                    form_.Button2Click();
                    break;
                case PoolStatistic::Triples:
                    form_.Button3Click();
                    break;
                case PoolStatistic::Quadruples:
                    form_.Button4Click();
                    break;
                case PoolStatistic::Frequency:
                    form_.SpeedButton2Click();
                    break;
            }
            form_.activePage = Page::TabSheet5;
            form_.changed(FormPart::Page);
            form_.services_.ui.repaint();
            return form_.Series2;
        }
        const StatSeries& shownSeries() override { return form_.Series2; }
        void status(const std::string& text) override { form_.setStatus(text); }

      private:
        TForm1& form_;
    };
    FormPoolHost host(*this);
    PoolOptions options;
    options.pairs = checkBox[1];
    options.rarestPairs = checkBox[11];
    options.triples = checkBox[6];
    options.rarestTriples = checkBox[12];
    options.quadruples = checkBox[7];
    options.rarestQuadruples = checkBox[13];
    options.frequent = checkBox[2];
    options.rare = checkBox[10];
    options.onlyPreferred = checkBox[15];
    const PreferredPool pool = buildPreferredPool(options, host);

    setStatus(kRunStarts);
    std::int32_t runCounter = 0;
    SearchContext search{pool,
                         random,
                         runCounter,
                         LaufMax,
                         GeneratedTips,
                         lastDraw,
                         drawBefore,
                         checkBox,
                         upDown,
                         [this](const std::string& line, bool repaint) {
                             statusPanels[1] = line;
                             changed(FormPart::Status);
                             if (repaint) services_.ui.repaint();
                         },
                         [this] { changed(FormPart::Options); },
                         [this](const TipNumbers& t) {
                             return Secheroderfuenfer(t[0], t[1], t[2], t[3], t[4], t[5]);
                         }};

    const bool nothingToDraw = pool.pickRange <= 0;
    for (int k = 1; k <= kTipCount && !nothingToDraw; ++k) {
        const bool searched = tips.cell(k, 1).empty() &&
                              (k == 1 || (runCounter < LaufMax && upDown[8].position >= k));
        TipNumbers result{};
        if (searched) {
            result = searchTip(k, search);
            std::int32_t sum = 0;
            for (std::int32_t n : result)
                sum += n;
            tips.row(k).sum = std::to_string(sum);
            if (k == 1) {
                activePage = Page::TabSheet1;
                changed(FormPart::Page);
            }
            for (int p = 1; p <= kCellsPerTip; ++p)
                tips.setCell(k, p, std::to_string(result[static_cast<std::size_t>(p - 1)]));
            changed(FormPart::TipSheet);
        }
        GeneratedTips[static_cast<std::size_t>(k - 1)] = result;
        services_.ui.repaint();
    }

    restore();
    onError.armed = false;
    busy.reset();
    statusPanels[1] = nothingToDraw          ? kNoPreferredNumbers
                      : runCounter < LaufMax ? kRunDone
                                             : kRunOutOfBudget;
    changed(FormPart::Status);
    services_.ui.repaint();
    SpeedButton5Click();
    Komplettcheck();
}

void TForm1::SpeedButton13Click() {
    const std::string suggestion = std::to_string(random.nextBelow(99999));
    const std::string text = services_.ui.inputText(
        "Ihre Glückszahl (1-99999999)?", "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!",
        suggestion);
    // Whatever fails from here on, the run included, ends the start quietly with a fresh seed.
    try {
        const auto lucky = parseInteger(text);
        if (!lucky) {
            reseedFromClock();
            return;
        }
        random.setState(static_cast<std::uint32_t>(*lucky));
        setStatus("Glückszahl " + std::to_string(*lucky) + " gesetzt");
        if (services_.ui.askYesNo("Soll der Tipp jetzt berechnet werden?", "Jetzt berechnen??"))
            Label28Click();
    } catch (const std::exception&) {
        reseedFromClock();
    }
}

}  // namespace varo
