#pragma once

class QApplication;
class QWidget;

namespace varo {

class MainWindow;
class QtUi;

// Application-wide set-up of the view: title, German Qt texts and the window font.
void setUpApplication(QApplication& app);

// Makes the window the owner of the dialogs and the scaler of the pages.
void attachUi(QtUi& ui, MainWindow& window);

// Closes the window through its normal close path when SIGTERM or SIGINT arrives, as when
// the desktop session ends.
void closeOnTerminationSignals(QWidget* window);

}  // namespace varo
