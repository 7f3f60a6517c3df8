#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "app/TForm1.h"

class QAbstractButton;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace varo {

class BarChartView;
class PageScaler;

// The main window: shows the form's state and turns widget events into the form's handlers.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(TForm1& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Scales the pages and all their controls by the ratio.
    void scalePages(double ratio);

    // Runs a handler; an error it lets through is shown in the error box and the window
    // stays usable.
    void run(const std::function<void()>& handler);

    QTabWidget* pages() const { return pages_; }

    // Brings texts that changed since the last paint into the widgets.
    void flushPendingRefresh();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildTipPage();
    void buildTipGrid(QWidget* page);
    QWidget* buildOptionsPage();
    QWidget* buildChartPage();
    QWidget* buildDatabasePage();
    QWidget* buildInternetPage();
    void buildStatusBar();

    // A click runs the form's handler; an error it lets through goes to the error box.
    void bindClick(QAbstractButton* button, void (TForm1::*handler)());
    void bindCheckBox(QCheckBox* box, int number);
    void bindSpinBox(QSpinBox* box, int number);
    void bindEdit(QLineEdit* edit, std::string TForm1::*field);

    void refresh(FormPart part);
    void refreshOptions();
    void refreshDrawLines();
    void refreshTipSheet();
    void refreshStatus();
    void refreshPage();

    TForm1& form_;
    QTabWidget* pages_ = nullptr;
    BarChartView* chart_ = nullptr;
    std::array<QLabel*, 2> statusPanels_{};
    std::array<QCheckBox*, 19> checkBoxes_{};
    std::array<QSpinBox*, 9> spinBoxes_{};
    QDateEdit* checkDate_ = nullptr;  // DateTimePicker1
    QDateEdit* startDate_ = nullptr;  // DateTimePicker2
    std::array<std::array<QLineEdit*, 6>, 12> cells_{};
    std::array<QLabel*, 12> rowLabels_{};
    std::array<QLabel*, 12> hitsLabels_{};
    std::array<QLabel*, 12> sumLabels_{};
    QLabel* label35_ = nullptr;
    QLabel* label29_ = nullptr;
    QLabel* label13_ = nullptr;
    std::vector<std::pair<QLineEdit*, std::string TForm1::*>> boundEdits_;
    std::unique_ptr<PageScaler> scaler_;
    bool statusPending_ = false;
};

}  // namespace varo
