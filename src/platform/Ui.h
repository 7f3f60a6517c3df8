#pragma once

#include <string>

namespace varo {

// What the program's logic needs of the window toolkit beyond its own state: dialogs,
// the busy cursor and the scaling of the pages.
class Ui {
  public:
    virtual ~Ui() = default;

    // A plain message box; returns when the user has closed it.
    virtual void showMessage(const std::string& text) = 0;

    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;

    // A one-line text input; returns the text entered, or the preset text on cancel.
    virtual std::string inputText(const std::string& caption, const std::string& prompt,
                                  const std::string& preset) = 0;

    // Paints the window now, while an operation holds the user interface. Calls may come
    // thousands of times a second; the view paints at most as often as a person can see.
    virtual void repaint() = 0;

    // The hourglass cursor for the whole application, on or off.
    virtual void setBusyCursor(bool busy) = 0;

    // Scales the pages and everything on them (positions, sizes, fonts) by the ratio.
    virtual void scalePages(double ratio) = 0;
};

// Shows the busy cursor for the lifetime of the object, also when an error leaves early.
class BusyCursor {
  public:
    explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.setBusyCursor(true); }
    ~BusyCursor() { ui_.setBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Ui& ui_;
};

}  // namespace varo
