#pragma once

#include <functional>

#include "platform/Ui.h"

class QWidget;

namespace varo {

// Dialogs and the cursor through Qt. Dialogs are modal to the main window once it is set.
class QtUi : public Ui {
  public:
    void setWindow(QWidget* window) { window_ = window; }
    // The view that knows how to scale its pages.
    void setPageScaler(std::function<void(double)> scaler) { scaler_ = std::move(scaler); }

    void showMessage(const std::string& text) override;
    void setBusyCursor(bool busy) override;
    void scalePages(double ratio) override;

  private:
    QWidget* window_ = nullptr;
    std::function<void(double)> scaler_;
    int busyDepth_ = 0;
};

// The application's title, shown in the task bar and on message boxes.
inline constexpr const char* kApplicationTitle = "Morvelts Lotto";

}  // namespace varo
