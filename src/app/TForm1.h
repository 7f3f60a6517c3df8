#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/Controls.h"
#include "evaluation/CurrentDraw.h"
#include "generator/HistoryMatch.h"
#include "generator/RandomSource.h"
#include "history/DrawHistoryFile.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Ui.h"
#include "statistics/StatSeries.h"
#include "tipsheet/TipSheet.h"

namespace varo {

struct GroupKind;

// The pages of the main window in tab order. TabSheet2 exists with its tab hidden.
enum class Page { TabSheet1, TabSheet2, TabSheet6, TabSheet5, TabSheet4, TabSheet3 };

// Which part of the form a handler changed, so that the view refreshes just that part.
enum class FormPart { All, Chart, Page, Status, DrawLines, Options, TipSheet };

// What the form needs from the platform.
struct FormServices {
    Ui& ui;
    Shell& shell;
    Clock& clock;
    Sound& sound;
    std::string programDirectory;  // folder of the program file
};

// The main window as plain state and handlers. The Qt view shows these fields and turns
// widget events into calls of the handlers; everything the program decides happens here.
class TForm1 {
  public:
    explicit TForm1(FormServices services);

    // Tells the view which part changed.
    void setChangeListener(std::function<void(FormPart)> listener);

    // --- handlers -------------------------------------------------------------------
    // Runs once before the window is first shown; outerHeight is the window's height then.
    void FormCreate(int outerHeight);
    // The window is closing (close button, title bar, desktop session, SIGTERM).
    void FormClose();
    // Every size change of the window.
    void FormResize(int outerHeight);
    // The three link labels pass their caption to the shell.
    void Label52Click(const std::string& caption);

    // Statistics, each publishing into Series2.
    void SpeedButton2Click();  // number frequency
    void Button2Click();       // pairs
    void Button3Click();       // triples
    void Button4Click();       // quadruples
    void Button5Click();       // overdue numbers
    void SpeedButton9Click();  // sum distribution
    void Button6Click();       // distribution of the tip sheet's numbers

    // Tip sheet.
    void Edit1Change(int tip, int position, const std::string& text);  // a cell's text changed
    void Edit1Exit();                                                  // a cell lost the focus
    void Label30Click(int tip);                                        // toggle a tip's mark
    void SpeedButton11Click();                                         // clear all tips

    // Current draw.
    void SpeedButton5Click();  // select the draw of the check date
    void SpeedButton6Click();  // one draw back
    void SpeedButton7Click();  // one draw forward

    // Checks every tip against Zahl; returns the best hit count of the complete rows.
    int Komplettcheck();

    // Tip generator.
    void Label28Click();        // "Tipps berechnen": compute the tips
    void SpeedButton13Click();  // lucky-number start
    void UpDown7Changing();     // the run limit or the number of tips changed
    // True when no draw since the statistics start date shares UpDown6 numbers with the tip.
    bool Secheroderfuenfer(std::int32_t Tipp1, std::int32_t tipp2, std::int32_t tipp3,
                           std::int32_t tipp4, std::int32_t tipp5, std::int32_t tipp6);

    // --- fields of the main window --------------------------------------------------
    std::string SoundName;
    std::int32_t LaufMax = 0;
    bool sortieren = false;
    std::int32_t Groesse = 0;
    std::string Home;
    std::string ZahlenFile;
    double aktDatum = 0.0;

    Page activePage = Page::TabSheet1;

    // CheckBox1..CheckBox18 by their number; index 0 is unused.
    std::array<bool, 19> checkBox{};
    // UpDown1..UpDown8 by their number; index 0 is unused.
    std::array<SpinBox, 9> upDown{};

    DatePicker DateTimePicker1;  // check date (Datenbank page)
    DatePicker DateTimePicker2;  // start date of the statistics (Diagramm page)

    std::string Label35;  // draw line on the tip page
    std::string Label29;  // draw line on the Datenbank page
    std::string Label13;  // sum line of the current draw

    std::string FileNameEdit;
    std::string URLEdit;
    std::string ProxyHostEdit;
    std::string ProxyPortEdit;
    std::string Memo1;

    // Panel 0: progress of the weekly update; panel 1: notices and the generator's progress.
    std::array<std::string, 2> statusPanels;

    StatSeries Series2;

    TipSheet tips;
    CurrentDraw current;

    RandomSource random;
    // The numbers of every tip the last run computed, zeros where it computed none.
    std::array<TipNumbers, 12> GeneratedTips{};

    DrawHistoryFile history() const { return DrawHistoryFile(Home); }

  private:
    void changed(FormPart part);

    // Steps the statistics share (TForm1Statistics.cpp).
    std::vector<DrawRecord> beginHistoryStatistic();
    void emptyChart();
    void finishStatistic(bool showChartPage);
    void groupStatistic(const GroupKind& kind);  // pairs, triples or quadruples

    void playWinSound();
    // Stepping passes over draws on a weekday whose option is off.
    bool excludedDay(double date) const;
    // Makes the record the current draw: Zahl, Datum1, the draw lines and the check date.
    void showDraw(const DrawRecord& record, bool threeBlanks);
    // One draw back or forward, passing over excluded days.
    void stepDraw(bool forward);

    void setStatus(const std::string& text);  // panel 1, painted at once
    void reseedFromClock();
    // The history as the running generator compares candidates with it: read on first use.
    std::optional<HistoryMatch> runHistory_;
    bool generatorRunning_ = false;

    FormServices services_;
    std::function<void(FormPart)> listener_;
};

// The design values of the window.
inline constexpr int kDesignClientWidth = 527;
inline constexpr int kDesignClientHeight = 440;

}  // namespace varo
