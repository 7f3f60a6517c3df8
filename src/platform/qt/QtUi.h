#pragma once

#include <QElapsedTimer>

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
    // Runs before every explicit repaint, so that the view shows the newest state.
    void setBeforeRepaint(std::function<void()> hook) { beforeRepaint_ = std::move(hook); }

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    std::string inputText(const std::string& caption, const std::string& prompt,
                          const std::string& preset) override;
    void repaint() override;
    void setBusyCursor(bool busy) override;
    void scalePages(double ratio) override;

  private:
    QWidget* window_ = nullptr;
    std::function<void(double)> scaler_;
    std::function<void()> beforeRepaint_;
    int busyDepth_ = 0;
    QElapsedTimer sinceRepaint_;
};

// The application's title, shown in the task bar and on message boxes.
inline constexpr const char* kApplicationTitle = "Morvelts Lotto";

}  // namespace varo
